// Feeds arbitrary bytes to the data-file readers as each of the three files, and arbitrary
// text to the high-score writer, checking that what comes back is sane.
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>

#include "persist/cp932.h"
#include "persist/data_files.h"
#include "state/game_state.h"

namespace {
void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool HasControlCharacter(const QString& text) {
    for (QChar c : text) {
        if (c.category() == QChar::Other_Control) {
            return true;
        }
    }
    return false;
}

void WriteFile(const QString& path, const uint8_t* data, size_t size) {
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Check(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
}

void ReadAllFiles(const QTemporaryDir& folder, const uint8_t* data, size_t size) {
    for (const char* name : {kHighScoreFile, kNoteFile, kMusicFile}) {
        WriteFile(folder.filePath(name), data, size);
    }
    GameState state;
    state.gAppDir = folder.path() + '/';
    LoadHighScoreFile(state);
    LoadNoteText(state);
    LoadMusicSetting(state);
    Check(!HasControlCharacter(state.gHiName) && !HasControlCharacter(state.gNoteText));
    Check(state.gHiName.size() <= 1024 && state.gNoteText.size() <= 1024);

    // What the game writes back reads back: the score exactly, the name after one pass through
    // the code page.
    SaveHighScore(state);
    SaveMusicSetting(state);
    GameState again;
    again.gAppDir = state.gAppDir;
    LoadHighScoreFile(again);
    LoadMusicSetting(again);
    Check(again.gHiScore == state.gHiScore && again.gBgmOn == state.gBgmOn);
    Check(again.gHiName == DecodeCp932(EncodeCp932(state.gHiName)));
}

void WriteAnyName(const QTemporaryDir& folder, const uint8_t* data, size_t size) {
    GameState state;
    state.gAppDir = folder.path() + '/';
    state.gHiScore = 1250;
    state.gHiName.resize(qsizetype(size / 2));  // any UTF-16, lone surrogates included
    std::memcpy(state.gHiName.data(), data, size / 2 * 2);
    Check(SaveHighScore(state));
    GameState loaded;
    loaded.gAppDir = state.gAppDir;
    LoadHighScoreFile(loaded);
    Check(loaded.gHiScore == 1250);
    Check(!HasControlCharacter(loaded.gHiName));
    Check(IsCp932Encodable(loaded.gHiName));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    Check(folder.isValid());
    ReadAllFiles(folder, data, size);
    WriteAnyName(folder, data, size);
    return 0;
}
