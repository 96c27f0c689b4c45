#pragma once

#include <QByteArray>
#include <QString>

struct KeepResult
{
    bool ok = true;
    QString keptPath; // where the earlier file now is; empty when nothing was kept
    QString error; // the system's reason when ok is false
};

// Call before `path` is replaced by `newBytes`, so that a save never loses the
// file it replaces. When a file is there and its bytes differ from newBytes, it
// is moved into the folder "earlier" beside it and named after the time it was
// last saved, e.g. "OrviWorksheet 2026-12-07 14-05-33.txt"; a name already
// taken there gets " (2)", " (3)", ... before the extension, so no earlier copy
// is ever replaced. Nothing happens when there is no file yet or it already
// holds newBytes. When ok is false the file is still at `path`, and the caller
// must not replace it.
KeepResult keepEarlierCopy(const QString &path, const QByteArray &newBytes);

// Undoes keepEarlierCopy() after the save that followed it failed: the kept
// file goes back to `path`, and the folder "earlier" goes when that leaves it
// empty. Nothing is replaced: false when something is at `path` again or the
// move fails. True when nothing had been kept.
bool putEarlierCopyBack(const QString &path, const KeepResult &kept);
