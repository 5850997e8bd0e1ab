#pragma once

#include <QString>
#include <chrono>

struct GameState;

// The game's three data files: the high score and its holder and the music switch in its data
// folder, the note line of the version dialog beside its other shipped files.

inline constexpr const char* kHighScoreFile = "dat_high.ini";
inline constexpr const char* kNoteFile = "dat_cot.ini";
inline constexpr const char* kMusicFile = "dat_midi.ini";

inline constexpr int kDefaultHiScore = 300;
inline const QString kDefaultHiName = QStringLiteral("ずび");
inline const QString kMissingNoteText =
    QStringLiteral("失われたファイルがあります．もう一度セットアップしてください．");
inline constexpr int kDefaultBgmOn = 1;

// gAppDir = the folder of the shipped files, gDataDir = the data folder (empty: gAppDir), each
// with the platform's separator appended (unless it ends in one).
void SetAppDir(GameState& state, const QString& filesFolder, const QString& dataFolder = {});

// When this program was loaded.
std::chrono::system_clock::time_point RunStart();

// The readers read their file into the state. A file that is missing, has fewer lines than
// they read or holds a number out of its variable's range is rewritten with its default lines
// ("300" and "ずび", the note sentence above, "1") and the defaults hold. When that rewrite fails
// too (a folder that cannot be written, a pipe or a folder in the file's place) the defaults hold
// all the same; a link counts as damaged and is left as it is. Text lines lose their control
// characters. Each sets gFileNo while its file is open. LoadHighScoreFile, the first of them at a
// start, also removes what saves cut short before `start` left in both folders.
void LoadHighScoreFile(GameState& state,  // gHiScore, gHiName
                       std::chrono::system_clock::time_point start = RunStart());
void LoadNoteText(GameState& state);      // gNoteText
void LoadMusicSetting(GameState& state);  // gBgmOn

// The writers replace their file whole (in place when the folder takes no new files, but never
// a file with other links); a failure leaves the state as it was, says so on standard error and
// returns false. Characters code page
// 932 lacks are written as "？".
bool SaveHighScore(const GameState& state);     // " 1250", then gHiName
bool SaveMusicSetting(const GameState& state);  // " 1" or " 0"
