#pragma once

#include <QString>
#include <QtGlobal>

// Files and folders only the user running the program may read, and that
// are never reached through a link: the pupils' progress, its journals and
// its backups. Another local user who can write a folder the progress lies
// in (a portable copy in a shared folder) could otherwise plant a link that
// carries the progress, or a copy of it, wherever they like.
namespace progress {

// A file's name without its ending, and the ending with its dot:
// "progress" and ".sqlite"; copies and files put aside are named from them.
QString fileStem(const QString &path);
QString fileEnding(const QString &path);

// What stands at a path, looked at without following a link.
struct Entry
{
    enum Kind { Missing, File, Link, Folder, Other };
    Kind kind = Missing;
    int names = 1; // hard links to it
    bool ownedByAnother = false;
    QString owner; // that user's login name, when known
    qint64 size = 0;
    int error = 0; // errno, when it could not be looked at for another reason
};
Entry lookAt(const QString &path);

// Why the entry at `path` is not one the progress may use as a file of its
// own, in words naming it ("/x/progress.sqlite is a symbolic link"); empty
// when it may.
QString whatIsWrong(const QString &path, const Entry &entry);
// The same, with what the user can do about it.
QString whyRefused(const QString &path, const Entry &entry);

// Lets only the user read and write the file at `path` (0600), when it is
// theirs and not a link. Empty, or the reason in words.
QString makePrivate(const QString &path);
// Makes an empty file at `path` only the user may read; nothing may stand
// there, not even a link. Empty, or the reason in words.
QString createPrivateFile(const QString &path);

// Makes the folder at `path` (and those above it) when missing, and lets only
// the user into it (0700). Refused, with the reason in words, when another
// user owns it or it is no folder; a link is followed only when `links` says
// so, and only when it belongs to the user, as saves do.
enum class FolderLinks { FollowOwn, Refuse };
QString preparePrivateFolder(const QString &path, FolderLinks links);

// Copies the file at `from`, never through a link at either end, into a
// file at `to` only the user may read, written whole. Empty, or the reason.
QString copyPrivately(const QString &from, const QString &to);

} // namespace progress
