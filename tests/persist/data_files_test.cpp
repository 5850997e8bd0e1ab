#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <string_view>

#include "persist/data_file_io.h"
#include "persist/data_files.h"
#include "state/game_state.h"
#include "support/qt_printers.h"

using namespace std::literals;

namespace {
const QByteArray kZubi = QByteArray::fromHex("82b882d1");  // "ずび" in code page 932
const QByteArray kMissingNoteBytes = QByteArray::fromHex(
    "8eb882ed82ea82bd837483408343838b82aa82a082e882dc82b7814482e082a488ea9378835a8362836783"
    "418362837682b582c482ad82be82b382a28144");

// The characters of the name-entry keyboard, both sets.
const char16_t* const kKeyboardStrings[] = {
    u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもや，ゆ。よらりるれろわ"
    u"・（）を",
    u"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤ＄ユ％ヨラリルレロワ"
    u"＃「」ヲ",
    u"んっゃゅょがぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽぁぃぅぇぉ０１２３４５６７８９＋"
    u"－×÷＝　￥★♪＠",
    u"ンッャュョガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポァィゥェォ、：；〇～∥｜…‥［］｛｝"
    u"【】ー＜＞≦≧",
    u"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ＆／！？",
    u"ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ→←↑↓",
};

// Another program's encoder, so that our own cannot agree with itself by mistake.
QByteArray IconvCp932(const QString& text) {
    QProcess iconv;
    iconv.start("iconv", {"-f", "UTF-8", "-t", "CP932"});
    iconv.write(text.toUtf8());
    iconv.closeWriteChannel();
    EXPECT_TRUE(iconv.waitForFinished());
    EXPECT_EQ(iconv.exitCode(), 0);
    return iconv.readAllStandardOutput();
}

// Saves while no file may grow beyond a few bytes, as on a full disk.
bool SaveHighScoreOnAFullDisk(const GameState& state) {
    rlimit saved{};
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 4;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool savedOk = SaveHighScore(state);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return savedOk;
}

// Root may write anywhere, a pupil on a shared PC may not: root plays "nobody" meanwhile.
class AsOrdinaryUser {
  public:
    AsOrdinaryUser() : wasRoot_(geteuid() == 0) {
        if (wasRoot_) {
            EXPECT_EQ(setresuid(kNobody, kNobody, 0), 0);
        }
    }
    ~AsOrdinaryUser() {
        if (wasRoot_) {
            EXPECT_EQ(setresuid(0, 0, 0), 0);
        }
    }

  private:
    static constexpr uid_t kNobody = 65534;
    bool wasRoot_;
};

// A read that blocks or never ends fails the test instead of hanging it.
class Watchdog {
  public:
    Watchdog() { alarm(60); }
    ~Watchdog() { alarm(0); }
};

void Chmod(const QString& path, mode_t mode) {
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), mode), 0);
}

// Last written long before this run.
void MakeOld(const QString& path) {
    const timespec times[2] = {{1, 0}, {1, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

bool IsFifo(const QString& path) {
    struct stat info {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

class DataFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        SetAppDir(state_, folder_.path());
    }
    QString PathOf(const char* name) const { return folder_.filePath(name); }
    void Put(const char* name, const QByteArray& bytes) const {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QByteArray Get(const char* name) const {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void LoadAll() { LoadAll(state_); }
    static void LoadAll(GameState& state) {
        LoadHighScoreFile(state);
        LoadNoteText(state);
        LoadMusicSetting(state);
    }

    QTemporaryDir folder_;
    GameState state_;
};

TEST(SetAppDir, AppendsTheSeparatorOnce) {
    GameState state;
    SetAppDir(state, "/opt/tezra");
    EXPECT_EQ(state.gAppDir, QDir::toNativeSeparators("/opt/tezra/"));
    SetAppDir(state, "/opt/tezra/");
    EXPECT_EQ(state.gAppDir, QDir::toNativeSeparators("/opt/tezra/"));
}

TEST_F(DataFilesTest, FirstStartCreatesTheThreeFilesWithTheirDefaults) {
    LoadAll();

    EXPECT_EQ(Get(kHighScoreFile), "300\r\n" + kZubi + "\r\n");
    EXPECT_EQ(Get(kNoteFile), kMissingNoteBytes + "\r\n");
    EXPECT_EQ(Get(kMusicFile), "1\r\n");
    EXPECT_EQ(state_.gHiScore, 300);
    EXPECT_EQ(state_.gHiName, "ずび");
    EXPECT_EQ(state_.gNoteText, "失われたファイルがあります．もう一度セットアップしてください．");
    EXPECT_EQ(state_.gBgmOn, 1);
    EXPECT_EQ(state_.gFileNo, "1");
}

TEST_F(DataFilesTest, ReadsWhatTheGameWroteAndWritesWithASignPosition) {
    state_.gHiScore = 1250;
    state_.gHiName = "たろう";
    state_.gBgmOn = 0;
    ASSERT_TRUE(SaveHighScore(state_));
    ASSERT_TRUE(SaveMusicSetting(state_));
    EXPECT_EQ(Get(kHighScoreFile), " 1250\r\n" + IconvCp932("たろう") + "\r\n");
    EXPECT_EQ(Get(kMusicFile), " 0\r\n");

    GameState loaded;
    loaded.gAppDir = state_.gAppDir;
    LoadHighScoreFile(loaded);
    LoadMusicSetting(loaded);
    EXPECT_EQ(loaded.gHiScore, 1250);
    EXPECT_EQ(loaded.gHiName, "たろう");
    EXPECT_EQ(loaded.gBgmOn, 0);

    Put(kMusicFile, " 1\r\n");
    LoadMusicSetting(loaded);
    EXPECT_EQ(loaded.gBgmOn, 1);
}

TEST_F(DataFilesTest, AcceptsOtherLineEndsAndALastLineWithoutOne) {
    Put(kHighScoreFile, "-5\n" + kZubi);
    Put(kMusicFile, "0\r");
    LoadAll();
    EXPECT_EQ(state_.gHiScore, -5);
    EXPECT_EQ(state_.gHiName, "ずび");
    EXPECT_EQ(state_.gBgmOn, 0);
    EXPECT_EQ(Get(kHighScoreFile), "-5\n" + kZubi);  // a good file is left alone
}

TEST_F(DataFilesTest, ReadsAHighScoreFileWrittenByAnotherProgram) {
    // "4321" and "そら～∥－￥＼" as iconv writes them in code page 932.
    Put(kHighScoreFile, QByteArray::fromHex("343332310d0a82bb82e781608161817c818f815f0d0a"));
    LoadHighScoreFile(state_);
    EXPECT_EQ(state_.gHiScore, 4321);
    EXPECT_EQ(state_.gHiName, "そら～∥－￥＼");
}

TEST_F(DataFilesTest, EveryKeyboardCharacterRoundTripsByteExactly) {
    for (const char16_t* keys : kKeyboardStrings) {
        const QString name = QString::fromUtf16(keys);
        state_.gHiScore = 777;
        state_.gHiName = name;
        ASSERT_TRUE(SaveHighScore(state_));
        EXPECT_EQ(Get(kHighScoreFile), " 777\r\n" + IconvCp932(name) + "\r\n")
            << name.toStdString();

        GameState loaded;
        loaded.gAppDir = state_.gAppDir;
        LoadHighScoreFile(loaded);
        EXPECT_EQ(loaded.gHiName, name);
    }
}

TEST_F(DataFilesTest, ANameNeverBreaksTheFile) {
    state_.gHiScore = 900;
    const std::u16string_view name =
        u"あ\r\nい\0う〜😀"sv;  // 〜 U+301C and 😀 are not in code page 932
    state_.gHiName = QString::fromUtf16(name.data(), qsizetype(name.size()));
    ASSERT_TRUE(SaveHighScore(state_));
    EXPECT_EQ(Get(kHighScoreFile), " 900\r\n" + IconvCp932("あいう？？") + "\r\n");

    LoadHighScoreFile(state_);
    EXPECT_EQ(state_.gHiScore, 900);
    EXPECT_EQ(state_.gHiName, "あいう？？");
}

TEST_F(DataFilesTest, DamagedFilesGiveTheDefaultsAndAreRewritten) {
    struct Damage {
        const char* what;
        const char* file;
        QByteArray bytes;
    };
    const Damage cases[] = {
        {"one line only", kHighScoreFile, " 1250\r\n"},
        {"empty", kHighScoreFile, ""},
        {"empty", kNoteFile, ""},
        {"empty", kMusicFile, ""},
        {"score out of range", kHighScoreFile, "99999999999\r\nたろう\r\n"},
        {"music out of range", kMusicFile, "40000\r\n"},
        {"1 MB of digits", kHighScoreFile, QByteArray(1 << 20, '7') + "\r\nx\r\n"},
        {"binary, no line end", kHighScoreFile, QByteArray::fromHex("00ff80a0fd1a7f")},
    };
    for (const Damage& damage : cases) {
        SCOPED_TRACE(std::string(damage.file) + ": " + damage.what);
        GameState state;
        state.gAppDir = state_.gAppDir;
        Put(damage.file, damage.bytes);
        LoadAll();
        LoadAll(state);
        EXPECT_EQ(state.gHiScore, 300);
        EXPECT_EQ(state.gHiName, "ずび");
        EXPECT_EQ(state.gBgmOn, 1);
        EXPECT_EQ(Get(kHighScoreFile), "300\r\n" + kZubi + "\r\n");
        EXPECT_EQ(Get(kMusicFile), "1\r\n");
    }
}

TEST_F(DataFilesTest, ALineWithoutANumberReadsAsZero) {
    Put(kMusicFile, QByteArray::fromHex("00ff80a0fd1a7f") + "1\r\n");
    Put(kHighScoreFile, "ずび\r\n" + kZubi + "\r\n");
    LoadMusicSetting(state_);
    LoadHighScoreFile(state_);
    EXPECT_EQ(state_.gBgmOn, 0);
    EXPECT_EQ(state_.gHiScore, 0);
}

TEST_F(DataFilesTest, GarbledTextLinesKeepTheirPrintableCharacters) {
    const QByteArray longName(1 << 20, 'A');
    // A NUL, a stray lead byte and bytes that are no character inside the name.
    Put(kHighScoreFile, "0042garbage\r\n" + IconvCp932("た") + QByteArray("\0\x81\xff", 3) +
                            IconvCp932("ろ") + "\x80\xa0\r\n");
    Put(kNoteFile, longName + "\r\n");
    LoadHighScoreFile(state_);
    LoadNoteText(state_);
    EXPECT_EQ(state_.gHiScore, 42);
    EXPECT_EQ(state_.gHiName, "たろ");
    EXPECT_EQ(state_.gNoteText, QString(kMaxLineBytes, u'A'));
    EXPECT_EQ(Get(kNoteFile), longName + "\r\n");
}

TEST_F(DataFilesTest, AFailedWriteLeavesTheOldFileWhole) {
    state_.gHiScore = 1250;
    state_.gHiName = "たろう";
    ASSERT_TRUE(SaveHighScore(state_));
    const QByteArray before = Get(kHighScoreFile);

    state_.gHiScore = 2000;
    state_.gHiName = "はなこはなこはなこ";
    EXPECT_FALSE(SaveHighScoreOnAFullDisk(state_));
    EXPECT_EQ(Get(kHighScoreFile), before);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{kHighScoreFile});
    EXPECT_EQ(state_.gHiScore, 2000);  // the run goes on with what it has
}

TEST_F(DataFilesTest, AFolderThatCannotBeWrittenLeavesTheValuesInMemory) {
    // A folder below a plain file cannot be written even by root, unlike a read-only one.
    Put("plain", "x");
    state_.gAppDir = PathOf("plain") + QDir::separator();
    LoadAll();
    EXPECT_EQ(state_.gHiScore, 300);
    EXPECT_EQ(state_.gHiName, "ずび");
    EXPECT_EQ(state_.gNoteText, "失われたファイルがあります．もう一度セットアップしてください．");
    EXPECT_EQ(state_.gBgmOn, 1);

    state_.gHiScore = 5000;
    state_.gBgmOn = 0;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveHighScore(state_));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find((state_.gAppDir + kHighScoreFile).toStdString()), std::string::npos);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_FALSE(SaveMusicSetting(state_));
    EXPECT_EQ(state_.gHiScore, 5000);
    EXPECT_EQ(state_.gBgmOn, 0);
}

TEST_F(DataFilesTest, AFolderClosedToNewFilesStillSavesIntoItsFiles) {
    const auto everyone = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner |
                          QFile::ExeGroup | QFile::ExeOther;
    Put(kHighScoreFile, " 1250\r\n" + kZubi + "\r\n");
    QFile::setPermissions(PathOf(kHighScoreFile),
                          QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther | everyone);
    QFile::setPermissions(folder_.path(), everyone);
    {
        const AsOrdinaryUser pupil;
        LoadAll();
        EXPECT_EQ(state_.gHiScore, 1250);
        state_.gHiScore = 2000;
        EXPECT_TRUE(SaveHighScore(state_));
        EXPECT_EQ(Get(kHighScoreFile), " 2000\r\n" + kZubi + "\r\n");
        EXPECT_FALSE(SaveMusicSetting(state_));  // its file is missing and cannot be made
        EXPECT_FALSE(SaveHighScoreOnAFullDisk(state_));
    }
    QFile::setPermissions(folder_.path(), QFile::WriteOwner | everyone);
}

TEST_F(DataFilesTest, ASaveInPlaceInAPrivateFolderClosesTheFileToOthers) {
    Put(kHighScoreFile, " 1250\r\n" + kZubi + "\r\n");
    Chmod(PathOf(kHighScoreFile), 0644);
    if (geteuid() == 0) {  // the folder and the file of the user who plays
        for (const QString& path : {folder_.path(), PathOf(kHighScoreFile)}) {
            ASSERT_EQ(chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
        }
    }
    Chmod(folder_.path(), 0500);
    {
        const AsOrdinaryUser pupil;
        EXPECT_TRUE(SaveHighScore(state_));
    }
    Chmod(folder_.path(), 0700);
    struct stat saved {};
    ASSERT_EQ(stat(QFile::encodeName(PathOf(kHighScoreFile)).constData(), &saved), 0);
    EXPECT_EQ(saved.st_mode & 07777, 0600u);
}

TEST_F(DataFilesTest, WithoutTheCodePageNothingIsWritten) {
    EXPECT_TRUE(IsCp932Available());

    Put(kHighScoreFile, " 1250\r\n" + kZubi + "\r\n");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(WriteDataLines(PathOf(kHighScoreFile), {" 2000", "たろう"},
                                [](QStringView) { return std::optional<QByteArray>(); }));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(PathOf(kHighScoreFile).toStdString()), std::string::npos) << said;
    EXPECT_EQ(Get(kHighScoreFile), " 1250\r\n" + kZubi + "\r\n");
}

TEST_F(DataFilesTest, TheStartRemovesOnlyWhatOurSavesCutShortLeftBeforeIt) {
    const QStringList old = {".tezra-save.dat_high.ini.AbC1Ef", ".tezra-save.dat_cot.ini.qwerty",
                             ".tezra-save.dat_midi.ini.XYZ000"};
    // Names a person gives, the old leftover shape, and a save in progress of another copy.
    const QStringList kept = {".tezra-save.dat_high.ini.fresh1",
                              "dat_cot.ini.origin",
                              "dat_high.ini",
                              "dat_high.ini.AbCdEf",
                              "dat_high.ini.BACKUP",
                              "dat_high.ini.backup",
                              "tezra-save.dat_high.ini.AbCdEf"};
    for (const QString& name : old + kept) {
        Put(name.toUtf8().constData(), "x");
        if (!name.endsWith("fresh1")) {
            MakeOld(PathOf(name.toUtf8().constData()));
        }
    }
    LoadHighScoreFile(state_);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), kept);
}

TEST_F(DataFilesTest, TheStartLeavesTheLeftoversOfOtherUsers) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root, to play nobody in a folder open to all";
    }
    const char* const leftover = ".tezra-save.dat_high.ini.AbC1Ef";
    Put(leftover, "x");
    MakeOld(PathOf(leftover));
    Chmod(folder_.path(), 0777);
    {
        const AsOrdinaryUser pupil;
        LoadHighScoreFile(state_);
    }
    EXPECT_TRUE(QFileInfo::exists(PathOf(leftover)));
}

TEST_F(DataFilesTest, LinksAreNeitherFollowedNorReplaced) {
    // A file of someone else's, which a link in a shared game folder could reach.
    QTemporaryDir elsewhere;
    const QString secret = elsewhere.filePath("secret");
    const QString gone = elsewhere.filePath("gone");
    const QByteArray secretBytes = " 5000\r\n" + IconvCp932("ひみつ") + "\r\n";
    {
        QFile file(secret);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(secretBytes);
    }
    const auto checkNothingMoved = [&] {
        EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  QStringList{"secret"});
        QFile file(secret);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), secretBytes);
    };
    // Each file a link to the secret, then to a file that is not there.
    for (const auto& [high, music] : {std::pair{secret, gone}, std::pair{gone, secret}}) {
        SCOPED_TRACE(high.toStdString());
        QFile::remove(PathOf(kHighScoreFile));
        QFile::remove(PathOf(kMusicFile));
        ASSERT_TRUE(QFile::link(high, PathOf(kHighScoreFile)));
        ASSERT_TRUE(QFile::link(music, PathOf(kMusicFile)));
        GameState state;
        SetAppDir(state, folder_.path());
        testing::internal::CaptureStderr();
        LoadAll(state);
        EXPECT_EQ(state.gHiScore, 300);
        EXPECT_EQ(state.gHiName, "ずび");
        EXPECT_EQ(state.gBgmOn, 1);
        state.gHiScore = 9000;
        EXPECT_FALSE(SaveHighScore(state));
        EXPECT_FALSE(SaveMusicSetting(state));
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 4) << said;
        checkNothingMoved();
        EXPECT_EQ(QFileInfo(PathOf(kHighScoreFile)).symLinkTarget(), high);
        EXPECT_EQ(QFileInfo(PathOf(kMusicFile)).symLinkTarget(), music);
    }
    // A pupil on a shared PC, whose folder takes no new files, may write the secret: the save
    // in place must not.
    Chmod(secret, 0666);
    Chmod(elsewhere.path(), 0755);
    Chmod(folder_.path(), 0555);
    {
        const AsOrdinaryUser pupil;
        EXPECT_FALSE(SaveMusicSetting(state_));
    }
    Chmod(folder_.path(), 0700);
    checkNothingMoved();
}

TEST_F(DataFilesTest, AFileWithOtherLinksIsNeverWrittenInto) {
    // A hard link to someone else's file, which a pupil may write, in a folder closed to new
    // files: renaming a new file over it, which would part the links, is not possible.
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath("outside");
    const QByteArray outsideBytes = " 5000\r\n" + kZubi + "\r\n";
    {
        QFile file(outside);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(outsideBytes);
    }
    Chmod(outside, 0666);
    ASSERT_EQ(link(QFile::encodeName(outside).constData(),
                   QFile::encodeName(PathOf(kHighScoreFile)).constData()),
              0);
    Chmod(folder_.path(), 0555);
    state_.gHiScore = 6000;
    {
        const AsOrdinaryUser pupil;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(SaveHighScore(state_));
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
    Chmod(folder_.path(), 0700);
    EXPECT_EQ(Get(kHighScoreFile), outsideBytes);  // the outside file too: they are one
    EXPECT_EQ(state_.gHiScore, 6000);
}

TEST_F(DataFilesTest, APipeOrAFolderInAFilesPlaceReadsAsMissingAndStays) {
    const Watchdog watchdog;
    ASSERT_EQ(mkfifo(QFile::encodeName(PathOf(kHighScoreFile)).constData(), 0666), 0);
    ASSERT_TRUE(QDir(folder_.path()).mkdir(kNoteFile));
    ASSERT_TRUE(QFile::link(PathOf(kHighScoreFile), PathOf(kMusicFile)));
    LoadAll();
    EXPECT_EQ(state_.gHiScore, 300);
    EXPECT_EQ(state_.gHiName, "ずび");
    EXPECT_EQ(state_.gBgmOn, 1);
    EXPECT_FALSE(SaveHighScore(state_));
    EXPECT_FALSE(SaveMusicSetting(state_));
    EXPECT_TRUE(IsFifo(PathOf(kHighScoreFile)));
    EXPECT_TRUE(QFileInfo(PathOf(kNoteFile)).isDir());
    EXPECT_TRUE(QFileInfo(PathOf(kMusicFile)).isSymLink());
}

TEST(ReadDataLines, ReadsOnlyTheStartOfAFileThatWillNotEnd) {
    const Watchdog watchdog;
    QTemporaryDir folder;
    const QString zero = folder.filePath("zero");
    ASSERT_TRUE(QFile::link("/dev/zero", zero));
    EXPECT_EQ(ReadDataLines(zero, 2), std::nullopt);

    // A terabyte of holes without a line end.
    QFile huge(folder.filePath("huge"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 40));
    EXPECT_EQ(ReadDataLines(huge.fileName(), 2), QStringList{QString(kMaxLineBytes, QChar(0))});
}

TEST(ShippedNoteFile, HoldsOneLineOfOurOwn) {
    const QString path = qEnvironmentVariable("TEZRA_GAME_DIR") + "/dat_cot.ini";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), 1);
    const auto lines = ReadDataLines(path, 1);
    ASSERT_TRUE(lines && lines->size() == 1);
    EXPECT_TRUE(lines->front().startsWith("角度")) << lines->front().toStdString();
}
}  // namespace
