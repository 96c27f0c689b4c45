#pragma once

#include "base/save_folder.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

struct SaveResult
{
    bool ok = false;
    QString path;
    QString error; // the reason, in words the user can act on, when ok is false
};

// A file written whole or not at all. The bytes go to a file of its own that
// takes the old file's place only once every byte is on the disk, so a
// failure, a full disk, a file size limit or a kill at any moment leaves the
// old file or the new one, whole.
//
// Where the file system allows it, the new file has no name at all until it
// is complete; it is then named ".<name>.orvi-saving" for the moment before
// it replaces the file. Where it does not (FAT and exFAT memory sticks), the
// bytes are written under that name. A kill can leave only that name behind,
// and the next save of the same file removes it. A symbolic link in the
// file's place is replaced, never written through; the folder follows the
// rule of SaveFolder.
class WholeFile : public QIODevice
{
public:
    // `stagingName` replaces ".<name>.orvi-saving" for files that are saved
    // under ever new names, so their leftover is still found by the next save.
    explicit WholeFile(const QString &path, const QString &stagingName = QString());
    ~WholeFile() override; // an unfinished file is thrown away
    Q_DISABLE_COPY_MOVE(WholeFile)

    QString fileName() const { return m_path; }
    // Only the user running the program may read the new file (0600),
    // whatever the old one allowed. Before begin().
    void keepPrivate() { m_private = true; }

    // Opens for writing, making missing folders when `missing` says so;
    // nothing shows under the file's own name yet.
    SaveResult begin(SaveFolder::Missing missing = SaveFolder::Missing::Make);
    // Puts the file in place when every byte was written; otherwise it is
    // thrown away and the old file stays.
    SaveResult finish();
    // Throws away what was written; the old file stays.
    void abandon();
    // A write has failed, so finish() will refuse.
    bool hasFailed() const { return m_failed; }

    // The name a save stands under between being complete and replacing the
    // file, for a file named `fileName`.
    static QString stagingNameFor(const QString &fileName);

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    SaveResult failure(const QString &reason);
    SaveResult failure(int error);
    bool writeOut();
    void removeStaging();

    QString m_path;
    QString m_name;
    QString m_staging;
    SaveFolder m_folder;
    int m_descriptor = -1;
    bool m_unnamed = false;
    bool m_staged = false; // a file stands under the staging name
    bool m_failed = false;
    bool m_private = false;
    int m_error = 0;
    QByteArray m_pending;
};

// Writes the whole file at once through WholeFile. A missing folder is
// created.
SaveResult saveWholeFile(const QString &path, const QByteArray &bytes);

// For tests: the steps of every save, so a test can stop one at any of them
// on purpose, and a switch that makes saves behave as on a file system without
// hard links or unnamed files.
namespace savesteps {
enum class Step {
    Opened, // the new file is open, empty
    Written, // every byte is on the disk, the file has no name yet where it can
    Named, // the new file stands whole under its staging name
    Replaced, // the new file has taken the old one's place
};
using Hook = void (*)(Step step, const QString &path);
void setHook(Hook hook);
void setWithoutLinks(bool withoutLinks);
bool withoutLinks();
} // namespace savesteps
