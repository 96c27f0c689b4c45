#pragma once

#include "base/file_saver.h"

#include <QByteArray>
#include <QString>

// How many earlier copies of one file the folder "earlier" keeps.
constexpr int EarlierCopiesKept = 20;

struct KeepResult
{
    bool ok = true;
    QString keptPath; // the earlier copy of the file; empty when none was needed
    bool madeNow = false; // this call made the copy (rather than finding it there)
    QString error; // the system's reason when ok is false
};

// Call before `path` is replaced by `newBytes`, so that a save never loses the
// file it replaces. When a file is there and its bytes differ from newBytes, a
// copy of it goes into the folder "earlier" beside it, named after the time it
// was last saved, e.g. "OrviWorksheet 2026-12-07 14-05-33.txt"; a name already
// taken there gets " (2)", " (3)", ... before the extension, so no earlier copy
// is ever replaced. The file itself stays where it is until the save replaces
// it whole, so a save cut off at any point leaves the file or its successor.
// The copy is a second name for the same file where the file system allows
// it, so it takes no room; elsewhere the bytes are copied, whole or not at
// all. A file that is a symbolic link gets no copy: the save replaces the
// link, and the file it points at stays as it was. A copy of this very
// file already there (from a save that was cut off) serves again. Nothing
// happens when there is no file yet or it already holds newBytes. When ok is
// false the caller must not replace the file.
KeepResult keepEarlierCopy(const QString &path, const QByteArray &newBytes);

// After the save that followed keepEarlierCopy() failed, the file is still
// there unchanged, so a copy made just for that save would only repeat it and
// the next save would make yet another: that copy goes, and the folder
// "earlier" with it when that leaves it empty. A copy that was there before
// stays, and so does the copy when the file at `path` is no longer the one
// copied. False when the copy stays for that reason or could not be removed.
bool dropEarlierCopy(const QString &path, const KeepResult &kept);

// Removes all but the newest `kept` of the copies this program made of `path`
// in the folder "earlier": files named as keepEarlierCopy() names them.
void pruneEarlierCopies(const QString &path, int kept = EarlierCopiesKept);

// Saves `bytes` as `path` whole, keeping a different file it replaces among
// the earlier copies, and the newest of those only.
SaveResult saveKeepingEarlierCopy(const QString &path, const QByteArray &bytes);
