#pragma once

#include <QString>

// Where the game reads its shipped files and where it keeps the files it writes.
struct GameFolders {
    QString files;  // sounds, stage tunes and the note file
    QString data;   // the high score and the music switch
};

// programDir is the program's own folder; installedFiles the folder an installation puts the
// shipped files in; userData the user's own data folder.
//
// A program with its note file beside it runs from its own folder (the build folder, a copied
// folder, a USB stick) and keeps its data there as long as that folder can really be written.
// Otherwise (an installed copy, a folder made read-only) the data live in userData, which is
// created and closed to other users (its files then too, see IsPrivateFolder), and a data file
// found beside the shipped files is copied there once, so a high score made before stays. When
// userData cannot be made and written either (or is empty), the files beside the shipped ones
// are only read, the scores shown as they stand, and one line on standard error says so.
GameFolders LocateGameFolders(const QString& programDir, const QString& installedFiles,
                              const QString& userData);

// The user's own data folder: $XDG_DATA_HOME/<application name> when that is an absolute path,
// else $HOME/.local/share/<application name> when HOME is an absolute path to a folder, else
// empty.
QString UserDataFolder();
