#include "base/desktop_launcher.h"

#include "base/message_box.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

enum class Handover { Opened, Missing, NoProgram };

Handover handOver(const QString &path)
{
    // The desktop reports success for a missing file, so look first.
    if (!QFileInfo(path).isFile())
        return Handover::Missing;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return Handover::NoProgram;
    return Handover::Opened;
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// The kind of program the desktop would have started for the file.
QString programFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("html") || suffix == QLatin1String("htm")
        ? QStringLiteral("web browser")
        : QStringLiteral("text editor");
}

} // namespace

bool openLocalFile(QWidget *parent, const QString &path)
{
    switch (handOver(path)) {
    case Handover::Opened:
        return true;
    case Handover::Missing:
        showMessage(parent, QStringLiteral("Cannot open %1.").arg(shownPath(path)),
            QStringLiteral("The file is missing."));
        return false;
    case Handover::NoProgram:
        // The file is there: say what was missing and how to reach the file.
        showMessage(parent, QStringLiteral("Cannot open %1.").arg(shownPath(path)),
            QStringLiteral("No %1 could be started to show it. You can open the file from "
                           "that folder yourself.")
                .arg(programFor(path)));
        return false;
    }
    return false;
}

bool openSavedPage(QWidget *parent, const QString &path, const QString &what)
{
    switch (handOver(path)) {
    case Handover::Opened:
        return true;
    case Handover::Missing:
        // Saved, then taken away before it could be shown.
        showMessage(parent,
            QStringLiteral("%1 was saved as %2, but it is no longer there.")
                .arg(what, shownPath(path)));
        return false;
    case Handover::NoProgram:
        showMessage(parent, QStringLiteral("%1 was saved as %2.").arg(what, shownPath(path)),
            QStringLiteral("No web browser could be started to show it. You can open the "
                           "file from that folder yourself."));
        return false;
    }
    return false;
}

bool openWebAddress(QWidget *parent, const QUrl &address)
{
    if (!QDesktopServices::openUrl(address)) {
        showMessage(parent, QStringLiteral("Cannot open %1.").arg(address.toDisplayString()),
            QStringLiteral("No web browser or mail program could be started."));
        return false;
    }
    return true;
}
