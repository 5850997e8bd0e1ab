#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "persist/data_files.h"
#include "persist/game_folders.h"
#include "persist/shot_record.h"
#include "results/sample_shots.h"
#include "state/game_state.h"

namespace {

mode_t ModeOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

class GameFoldersTest : public testing::Test {
  protected:
    QString Make(const QString& name) {
        const QString path = root_.filePath(name);
        QDir().mkpath(path);
        return path;
    }
    static void Put(const QString& folder, const char* name, const QByteArray& bytes) {
        QFile file(QDir(folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray Get(const QString& folder, const char* name) {
        QFile file(QDir(folder).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Locates as someone to whom `game` refuses new files: nobody when the test runs as root,
    // who writes anywhere, else the test's own user with the folder made read-only. The home
    // folder, where the user folder is made, is open to them or not.
    GameFolders LocateAsOutsider(const QString& game, bool homeOpen = true) {
        const QByteArray path = QFile::encodeName(game);
        const QByteArray home = QFile::encodeName(Make("home"));
        const bool root = ::geteuid() == 0;
        const QString shared = Make("share/tezra");
        if (root) {
            ::chmod(QFile::encodeName(root_.path()).constData(), 0755);
            ::chmod(home.constData(), homeOpen ? 0777 : 0755);
            EXPECT_EQ(::seteuid(kNobody), 0);
        } else {
            EXPECT_EQ(::chmod(path.constData(), 0555), 0);
            EXPECT_EQ(::chmod(home.constData(), homeOpen ? 0755 : 0555), 0);
        }
        const GameFolders folders = LocateGameFolders(game, shared, user_);
        if (root) {
            EXPECT_EQ(::seteuid(0), 0);
        } else {
            ::chmod(path.constData(), 0755);
            ::chmod(home.constData(), 0755);
        }
        return folders;
    }

    static constexpr uid_t kNobody = 65534;
    QTemporaryDir root_;
    const QString user_ = root_.filePath("home/Tezra");
};

TEST_F(GameFoldersTest, AFolderWithItsFilesBesideTheProgramKeepsItsDataThere) {
    const QString game = Make("game");
    Put(game, kNoteFile, "note\r\n");
    const GameFolders folders = LocateGameFolders(game, Make("share/tezra"), user_);
    EXPECT_EQ(folders.files, game);
    EXPECT_EQ(folders.data, game);
    EXPECT_FALSE(QDir(user_).exists());
    // No probe left behind.
    EXPECT_EQ(QDir(game).entryList(QDir::Files | QDir::Hidden), QStringList{kNoteFile});
}

TEST_F(GameFoldersTest, AnInstalledCopyReadsItsSharedFilesAndWritesInTheUserFolder) {
    const QString bin = Make("usr/bin");
    const QString shared = Make("usr/share/tezra");
    Put(shared, kNoteFile, "note\r\n");
    // A writable bin folder (root, a prefix in the home folder) still takes no data.
    const GameFolders folders = LocateGameFolders(bin, bin + "/../share/tezra", user_);
    EXPECT_EQ(folders.files, shared);
    EXPECT_EQ(folders.data, user_);
    EXPECT_TRUE(QDir(user_).exists());

    GameState state;
    SetAppDir(state, folders.files, folders.data);
    LoadHighScoreFile(state);
    LoadNoteText(state);
    LoadMusicSetting(state);
    state.gHiScore = 900;
    ASSERT_TRUE(SaveHighScore(state));
    EXPECT_EQ(state.gNoteText, "note");
    EXPECT_EQ(Get(user_, kHighScoreFile).left(6), " 900\r\n");
    EXPECT_EQ(Get(user_, kMusicFile), "1\r\n");
    EXPECT_EQ(QDir(shared).entryList(QDir::Files | QDir::Hidden), QStringList{kNoteFile});
    EXPECT_TRUE(QDir(bin).isEmpty());
}

TEST_F(GameFoldersTest, TheUserFolderAndEveryFileTheGameWritesThereAreClosedToOthers) {
    // Left open by an earlier version: the folder 0755, its files 0644.
    const QString shared = Make("usr/share/tezra");
    Put(shared, kNoteFile, "note\r\n");
    const QString openGame = Make("game");
    Put(openGame, kNoteFile, "note\r\n");
    const mode_t umaskWas = ::umask(022);  // the modes of files made anew as a desktop has them
    for (const QString& folder : {user_, openGame}) {
        QDir().mkpath(folder);
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        Put(folder, kHighScoreFile, " 1500\r\nx\r\n");
        Put(folder, "results.csv", "");
        ::chmod(QFile::encodeName(QDir(folder).filePath(kHighScoreFile)).constData(), 0644);
        ::chmod(QFile::encodeName(QDir(folder).filePath("results.csv")).constData(), 0644);
    }
    const GameFolders folders = LocateGameFolders(Make("usr/bin"), shared, user_);
    ASSERT_EQ(folders.data, user_);
    EXPECT_EQ(ModeOf(user_), 0700u);

    // A game folder open to others (the pupils of a shared PC may share its scores) keeps the
    // modes its files have, and makes new ones as before.
    for (const auto& [folder, dataMode] : {std::pair{user_, 0600u}, std::pair{openGame, 0644u}}) {
        SCOPED_TRACE(folder.toStdString());
        GameState state;
        SetAppDir(state, folder);
        LoadHighScoreFile(state);
        LoadMusicSetting(state);  // made anew with its default
        state.gHiScore = 2000;
        ASSERT_TRUE(SaveHighScore(state));
        ShotRecord record(folder, 1);  // every shot moves the last file aside
        ASSERT_TRUE(record.append(SampleShot(QDate(2026, 12, 10), "ゆき", 40, 40)));
        ASSERT_TRUE(record.append(SampleShot(QDate(2026, 12, 10), "ゆき", 40, 50, 1)));
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
            if (name != kNoteFile) {
                EXPECT_EQ(ModeOf(QDir(folder).filePath(name)), dataMode) << name.toStdString();
            }
        }
        EXPECT_TRUE(QFileInfo::exists(QDir(folder).filePath("results-20261210-090001.csv")));
    }
    EXPECT_EQ(ModeOf(openGame), 0755u);
    ::umask(umaskWas);
}

TEST_F(GameFoldersTest, AFolderThatTakesNothingHandsItsHighScoreToTheUserFolderOnce) {
    // A copied folder whose high-score file came along read-only, in a folder that refuses new
    // files: its score is carried over, and a later start keeps what the user folder holds. Its
    // music file, a link to someone else's file, is not.
    const QString game = Make("game");
    Put(game, kNoteFile, "note\r\n");
    Put(game, kHighScoreFile, " 1500\r\nx\r\n");
    ::chmod(QFile::encodeName(QDir(game).filePath(kHighScoreFile)).constData(), 0444);
    Put(Make("other"), "secret", " 0\r\n");
    ASSERT_TRUE(QFile::link(root_.filePath("other/secret"), QDir(game).filePath(kMusicFile)));

    const GameFolders folders = LocateAsOutsider(game);
    EXPECT_EQ(folders.files, game);
    EXPECT_EQ(folders.data, user_);
    EXPECT_EQ(Get(user_, kHighScoreFile), " 1500\r\nx\r\n");
    EXPECT_FALSE(QFileInfo(QDir(user_).filePath(kMusicFile)).exists());
    EXPECT_TRUE(QFileInfo(QDir(user_).filePath(kHighScoreFile)).permissions() &
                QFileDevice::WriteOwner);
    Put(user_, kHighScoreFile, " 2000\r\ny\r\n");
    LocateAsOutsider(game);
    EXPECT_EQ(Get(user_, kHighScoreFile), " 2000\r\ny\r\n");
}

TEST_F(GameFoldersTest, AFolderClosedToNewFilesKeepsItsWritableHighScoreFile) {
    const QString game = Make("game");
    Put(game, kNoteFile, "note\r\n");
    Put(game, kHighScoreFile, " 1500\r\nx\r\n");
    ::chmod(QFile::encodeName(QDir(game).filePath(kHighScoreFile)).constData(), 0666);
    const GameFolders folders = LocateAsOutsider(game);
    EXPECT_EQ(folders.data, game);
    EXPECT_EQ(Get(game, kHighScoreFile), " 1500\r\nx\r\n");  // the probe changed nothing

    // With another link it may not be written in place: the scores go to the user folder.
    ASSERT_EQ(::link(QFile::encodeName(QDir(game).filePath(kHighScoreFile)).constData(),
                     QFile::encodeName(root_.filePath("elsewhere")).constData()),
              0);
    EXPECT_EQ(LocateAsOutsider(game).data, user_);
    EXPECT_EQ(Get(user_, kHighScoreFile), " 1500\r\nx\r\n");
}

TEST_F(GameFoldersTest, WithNoFolderToWriteTheScoresAreShownAsTheyStand) {
    const QString game = Make("game");
    Put(game, kNoteFile, "note\r\n");
    Put(game, kHighScoreFile, " 5000\r\n\x82\xbd\x82\xeb\x82\xa4\r\n");  // たろう
    ::chmod(QFile::encodeName(QDir(game).filePath(kHighScoreFile)).constData(), 0444);
    testing::internal::CaptureStderr();
    const GameFolders folders = LocateAsOutsider(game, false);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(folders.data, game);
    EXPECT_FALSE(QFileInfo::exists(user_));

    GameState state;
    SetAppDir(state, folders.files, folders.data);
    LoadHighScoreFile(state);
    EXPECT_EQ(state.gHiScore, 5000);
    EXPECT_EQ(state.gHiName, "たろう");
}

TEST_F(GameFoldersTest, TheUserFolderIsTakenOnlyFromAbsolutePathsAndAnExistingHome) {
    const QByteArray xdg = qgetenv("XDG_DATA_HOME");
    const QByteArray home = qgetenv("HOME");
    const QString app = QCoreApplication::applicationName();
    const QString homeDir = Make("home");
    qputenv("XDG_DATA_HOME", "/data/x");
    EXPECT_EQ(UserDataFolder(), "/data/x/" + app);
    qputenv("HOME", QFile::encodeName(homeDir));
    qputenv("XDG_DATA_HOME", "relative/share");
    EXPECT_EQ(UserDataFolder(), homeDir + "/.local/share/" + app);
    for (const char* noHome : {"", "relative", "/nonexistent/home"}) {
        SCOPED_TRACE(noHome);
        qputenv("HOME", noHome);
        EXPECT_EQ(UserDataFolder(), "");
    }
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("HOME");
    EXPECT_EQ(UserDataFolder(), "");
    for (const auto& [name, value] : {std::pair{"XDG_DATA_HOME", xdg}, std::pair{"HOME", home}}) {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
}

}  // namespace
