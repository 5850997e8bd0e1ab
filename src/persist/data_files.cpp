#include "persist/data_files.h"

#include <QDir>
#include <cstdint>
#include <functional>
#include <limits>

#include "persist/data_file_io.h"
#include "persist/number_text.h"
#include "persist/regular_file.h"
#include "state/game_state.h"

namespace {
// Files are opened one at a time, so the first free file number is always this one.
constexpr int kFileNumber = 1;

// Taken as the program is loaded, before anything of this run is saved.
const std::chrono::system_clock::time_point kRunStart = std::chrono::system_clock::now();

template <typename T>
std::optional<std::int64_t> ReadNumberFor(const QString& line) {
    return ReadWholeNumber(line, std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
}

// Stores the lines read into the state; false (storing nothing) when a number is out of range.
using StoreLines = std::function<bool(const QStringList&)>;

QString DataDir(const GameState& state) {
    return state.gDataDir.isEmpty() ? state.gAppDir : state.gDataDir;
}

QString DataPath(const GameState& state, const char* name) {
    return DataDir(state) + QLatin1String(name);
}

QString WithSeparator(const QString& folder) {
    QString native = QDir::toNativeSeparators(folder);
    if (!native.endsWith(QDir::separator())) {
        native += QDir::separator();
    }
    return native;
}

void ReadDataFile(GameState& state, const QString& path, const QStringList& defaultLines,
                  const StoreLines& store) {
    state.gFileNo = QString::number(kFileNumber);
    const std::optional<QStringList> lines = ReadDataLines(path, defaultLines.size());
    if (lines && lines->size() == defaultLines.size() && store(*lines)) {
        return;
    }
    // Unwritable folder: the defaults still hold for this run.
    WriteDataLines(path, defaultLines);
    store(defaultLines);
}
}  // namespace

void SetAppDir(GameState& state, const QString& filesFolder, const QString& dataFolder) {
    state.gAppDir = WithSeparator(filesFolder);
    state.gDataDir = dataFolder.isEmpty() ? QString() : WithSeparator(dataFolder);
}

std::chrono::system_clock::time_point RunStart() {
    return kRunStart;
}

void LoadHighScoreFile(GameState& state, std::chrono::system_clock::time_point start) {
    RemoveSaveLeftovers(state.gAppDir, start);
    if (DataDir(state) != state.gAppDir) {
        RemoveSaveLeftovers(DataDir(state), start);
    }
    ReadDataFile(state, DataPath(state, kHighScoreFile),
                 {QString::number(kDefaultHiScore), kDefaultHiName},
                 [&state](const QStringList& lines) {
                     const auto score = ReadNumberFor<std::int32_t>(lines[0]);
                     if (!score) {
                         return false;
                     }
                     state.gHiScore = *score;
                     state.gHiName = PrintableText(lines[1]);
                     return true;
                 });
}

void LoadNoteText(GameState& state) {
    ReadDataFile(state, state.gAppDir + QLatin1String(kNoteFile), {kMissingNoteText},
                 [&state](const QStringList& lines) {
                     state.gNoteText = PrintableText(lines[0]);
                     return true;
                 });
}

void LoadMusicSetting(GameState& state) {
    ReadDataFile(state, DataPath(state, kMusicFile), {QString::number(kDefaultBgmOn)},
                 [&state](const QStringList& lines) {
                     const auto bgmOn = ReadNumberFor<std::int16_t>(lines[0]);
                     if (!bgmOn) {
                         return false;
                     }
                     state.gBgmOn = *bgmOn;
                     return true;
                 });
}

bool SaveHighScore(const GameState& state) {
    return WriteDataLines(DataPath(state, kHighScoreFile),
                          {FormatWithSignPosition(state.gHiScore), state.gHiName});
}

bool SaveMusicSetting(const GameState& state) {
    return WriteDataLines(DataPath(state, kMusicFile), {FormatWithSignPosition(state.gBgmOn)});
}
