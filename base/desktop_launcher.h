#pragma once

#include <QString>

class QUrl;
class QWidget;

// Hands a page or text to the desktop's own web browser or text editor. When
// that fails, the user is told in a message box and the program carries on.
// Returns whether the desktop accepted the request.
bool openLocalFile(QWidget *parent, const QString &path);
bool openWebAddress(QWidget *parent, const QUrl &address);

// What is said of a page that was saved but could not be shown, each a whole
// sentence in the language spoken, with %1 for the file.
struct SavedPageWords
{
    QString saved; // "Your report was saved as %1."
    QString savedButGone; // "Your report was saved as %1, but it is no longer there."
};

// Shows a page the program has just saved, such as a report, in the desktop's
// web browser. The page stays saved whatever happens here, so when no browser
// starts the message says that it was saved and where, rather than reading
// like a failed save.
bool openSavedPage(QWidget *parent, const QString &path, const SavedPageWords &words);
