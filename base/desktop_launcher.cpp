#include "base/desktop_launcher.h"

#include "base/message_box.h"

#include <QCoreApplication>
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

// Says that the program the desktop would have started for the file did not
// start.
QString noProgramFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("html") || suffix == QLatin1String("htm")
        ? QCoreApplication::translate("DesktopLauncher",
            "No web browser could be started to show it. You can open the file from that "
            "folder yourself.")
        : QCoreApplication::translate("DesktopLauncher",
            "No text editor could be started to show it. You can open the file from that "
            "folder yourself.");
}

} // namespace

bool openLocalFile(QWidget *parent, const QString &path)
{
    switch (handOver(path)) {
    case Handover::Opened:
        return true;
    case Handover::Missing:
        showMessage(parent,
            QCoreApplication::translate("DesktopLauncher", "Cannot open %1.").arg(shownPath(path)),
            QCoreApplication::translate("DesktopLauncher", "The file is missing."));
        return false;
    case Handover::NoProgram:
        // The file is there: say what was missing and how to reach the file.
        showMessage(parent,
            QCoreApplication::translate("DesktopLauncher", "Cannot open %1.").arg(shownPath(path)),
            noProgramFor(path));
        return false;
    }
    return false;
}

bool openSavedPage(QWidget *parent, const QString &path, const SavedPageWords &words)
{
    switch (handOver(path)) {
    case Handover::Opened:
        return true;
    case Handover::Missing:
        // Saved, then taken away before it could be shown.
        showMessage(parent, words.savedButGone.arg(shownPath(path)));
        return false;
    case Handover::NoProgram:
        showMessage(parent, words.saved.arg(shownPath(path)),
            QCoreApplication::translate("DesktopLauncher",
                "No web browser could be started to show it. You can open the file from that "
                "folder yourself."));
        return false;
    }
    return false;
}

bool openWebAddress(QWidget *parent, const QUrl &address)
{
    if (!QDesktopServices::openUrl(address)) {
        showMessage(parent,
            QCoreApplication::translate("DesktopLauncher", "Cannot open %1.")
                .arg(address.toDisplayString()),
            QCoreApplication::translate(
                "DesktopLauncher", "No web browser or mail program could be started."));
        return false;
    }
    return true;
}
