#pragma once

#include <QString>

class QUrl;
class QWidget;

// Hands a page or text to the desktop's own web browser or text editor. When
// that fails, the user is told in a message box and the program carries on.
// Returns whether the desktop accepted the request.
bool openLocalFile(QWidget *parent, const QString &path);
bool openWebAddress(QWidget *parent, const QUrl &address);

// Shows a page the program has just saved, such as a report, in the desktop's
// web browser. The page stays saved whatever happens here, so when no browser
// starts the message says that `what` ("Your report") was saved and where,
// rather than reading like a failed save.
bool openSavedPage(QWidget *parent, const QString &path, const QString &what);
