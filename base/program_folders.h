#pragma once

#include <QString>

// Every folder the program reads from or writes to, decided once at start.
// The pages and texts it ships lie beside the executable in the build tree
// or a portable copy, and under <prefix>/share/<application id> in an
// installed copy. Reports and worksheets go beside a copy whose own folder
// can be written; an installed copy, or one in a folder the user cannot
// write, keeps them in the user's documents folder instead. The pupils'
// progress follows the same choice, with the user's data folder instead of
// the documents folder.
class ProgramFolders
{
public:
    // For the program whose executable lies in `applicationFolder`, with the
    // user's own files, when they cannot go beside the program, in
    // `documentsFolder`, and the progress in `userDataFolder` (both created
    // on first use).
    ProgramFolders(const QString &applicationFolder, const QString &documentsFolder,
        const QString &userDataFolder = ProgramFolders::userDataFolder());

    // The documents folder the desktop names, under "Orvi Math Tutor"; with
    // HOME unset, the one in the home the system lists for the user.
    static QString userDocumentsFolder();
    // The user's own data folder the desktop names, under "Orvi Math Tutor";
    // with HOME unset, the one in the home the system lists for the user.
    static QString userDataFolder();

    // A page or text the program ships: "help/mhelp.html", "ReadMe.txt", in
    // the language spoken when it ships one there ("languages/pt_BR/...",
    // then "languages/pt/..."), else the English one.
    QString shippedFile(const QString &relativePath) const;
    // The shipped file at `path`, whatever language it was picked for, as
    // shippedFile() picks it for the language spoken now. A path outside the
    // shipped pages comes back as it is.
    QString shippedFileAgain(const QString &path) const;
    QString reportsFolder() const;
    QString worksheetsFolder() const;
    // The folder that holds the reports and worksheets folders.
    QString userFilesFolder() const;
    // The folder of the pupils' progress file: "progress" beside a portable
    // copy that can write there, else the user's data folder.
    QString dataFolder() const;
    // A portable copy whose own folder cannot be written keeps the user's
    // files in the documents folder, where the user would not look first.
    bool userFilesMovedAway() const;

private:
    QString m_shipped;
    QString m_userFiles;
    QString m_data;
    bool m_movedAway = false;
};
