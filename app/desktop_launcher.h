#pragma once

#include <QString>

class QUrl;
class QWidget;

// Hands a page or text to the desktop's own web browser or text editor. When
// that fails, the user is told in a message box and the program carries on.
// Returns whether the desktop accepted the request.
bool openLocalFile(QWidget *parent, const QString &path);
bool openWebAddress(QWidget *parent, const QUrl &address);
