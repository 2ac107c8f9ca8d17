#pragma once

#include <QString>

namespace abacolo {

// Where the program's files are. Run from a build folder, every folder is the process's current
// directory, as it always was. Installed (the program in <prefix>/bin beside
// <prefix>/share/abacolo), the read-only data is in share/abacolo, the program's modules in
// lib/abacolo, and what the program writes (the tables) in the user's own data directory.
struct DataFolders
{
    bool installed = false;
    QString data;         // skin, movies, seed scripts
    QString userData;     // the table files and anything else the program writes
    QString modules;      // the program's modules: the movie player, the sound output
};

// The folders for a program in `programDirectory`, started in `currentDirectory`, for a user
// whose data home (XDG_DATA_HOME, usually ~/.local/share) is `userDataHome`. No trailing
// separators.
DataFolders dataFoldersFor(const QString &programDirectory, const QString &currentDirectory,
                           const QString &userDataHome);

// This process's folders.
DataFolders dataFolders();

// The data directory, without a trailing separator. Every data file is this directory followed
// by a relative path such as "/skin/diamond.ssk".
QString DataDirectory();

// The folder of the user's tables: the data directory from a build folder; installed,
// $XDG_DATA_HOME/abacolo.
QString UserDataDirectory();

} // namespace abacolo
