#pragma once

#include <QString>

struct stat;

// What is known of a folder when a save into it failed, so the user hears the
// real cause rather than the system's bare word for it.
struct FolderFacts
{
    QString name; // the folder's own name, as the user sees it ("worksheets")
    bool ownedByAnother = false; // belongs to another user than the one running the program
    QString owner; // that user's login name, when known
    bool writable = true; // the user running the program may make files in it
    bool noFreeInodes = false; // its disk can hold no further file, whatever space is left
};

// The reason a save failed with the system error `error` (errno) in a folder
// with these facts; 0 means a write stopped part-way without one.
QString saveFailureReason(int error, const FolderFacts &facts);

// The same, with the facts read off the folder at `folderPath`.
QString saveFailureReason(int error, const QString &folderPath);

// Whether two entries that stat() found are one and the same file: two
// names of it, or the same name looked up twice.
bool isSameEntry(const struct stat &one, const struct stat &other);

// A folder files are saved into, held open, so that every step of a save
// happens inside the folder that was checked, whatever is renamed around it
// meanwhile.
//
// A symbolic link in the folder's place is followed only when it belongs to
// the user running the program, as the kernel's protected-symlinks rule does
// in shared folders: in a folder others can write, a link planted there would
// otherwise carry the user's files wherever its owner likes.
class SaveFolder
{
public:
    SaveFolder() = default;
    ~SaveFolder();
    SaveFolder(const SaveFolder &) = delete;
    SaveFolder &operator=(const SaveFolder &) = delete;

    enum class Missing { Make, Fail };
    // Opens the folder at `path`, making it and the folders above it first
    // when it is missing and `missing` says so. False, with the reason in
    // `error`, when it cannot be used.
    bool open(const QString &path, Missing missing, QString *error);

    int descriptor() const { return m_descriptor; }
    QString path() const { return m_path; }

private:
    void close();

    int m_descriptor = -1;
    QString m_path;
};
