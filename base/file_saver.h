#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

struct SaveResult
{
    bool ok = false;
    QString path;
    QString error; // the system's reason when ok is false
};

// Writes the whole file at once: the bytes go to a temporary file that
// replaces the old one only when everything was written, so a failure never
// leaves a half-written or emptied file behind. A full disk or a write cut
// short counts as a failure, with a reason the user can read. A missing folder
// is created.
SaveResult saveWholeFile(const QString &path, const QByteArray &bytes);

// The same for a file written piece by piece, a printed PDF say, into a
// QSaveFile on its path: openWholeFile() opens it (it makes no folder), and
// finishWholeFile() puts it in place of the old file only when every byte
// was written. The old file stays whole until then; a file never finished
// (cancelWriting(), or a failure here) is thrown away.
SaveResult openWholeFile(QSaveFile &file);
SaveResult finishWholeFile(QSaveFile &file);
