#include "app/desktop_launcher.h"

#include "app/message_box.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

bool openLocalFile(QWidget *parent, const QString &path)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    // The desktop reports success for a missing file, so look first.
    if (!QFileInfo(path).isFile()) {
        showMessage(parent, QStringLiteral("Cannot open %1.").arg(shownPath),
            QStringLiteral("The file is missing."));
        return false;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        showMessage(parent, QStringLiteral("Cannot open %1.").arg(shownPath),
            QStringLiteral("No program on this computer could be started to show it."));
        return false;
    }
    return true;
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
