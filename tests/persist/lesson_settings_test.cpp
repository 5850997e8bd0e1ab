#include <gtest/gtest.h>

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "persist/settings_sources.h"
#include "persist/settings_writer.h"

namespace {

class LessonSettingsTest : public ::testing::Test {
  protected:
    LessonSettingsTest() {
        files.user = dir.filePath("home/.config/Tezra/tezra.conf");
        files.school = dir.filePath("etc/xdg/Tezra/tezra.conf");
    }

    static void write(const QString& path, const QByteArray& text) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    ResolvedSettings resolve(const QStringList& switches = {}) {
        QCommandLineParser parser;
        AddSettingSwitches(parser);
        EXPECT_TRUE(parser.parse(QStringList{"tezra"} + switches))
            << parser.errorText().toStdString();
        return ResolveSettings(files, parser, [this](const QString& line) { warnings << line; });
    }

    QTemporaryDir dir;
    SettingsFiles files;
    QStringList warnings;
};

// Every setting away from its default, as a file and as switches write it.
constexpr const char* kEverySetting =
    "[General]\nmute=true\nvolume=40\nlevels=1, 3\npractice=true\nshow-answer=true\ncalm=true\n"
    "keypad=true\nfullscreen=true\nscale=2\nask-name=true\n";
const QStringList kEverySwitch{
    "--mute", "--volume", "40",           "--levels", "1,3", "--practice", "--show-answer",
    "--calm", "--keypad", "--fullscreen", "--scale",  "2",   "--ask-name"};

LessonSettings everySetting() {
    LessonSettings s;
    s.mute = s.practice = s.showAnswer = s.calm = s.keypad = s.fullscreen = s.askName = true;
    s.volume = 40;
    s.levels = {1, 3};
    s.scale = 2;
    return s;
}

}  // namespace

TEST_F(LessonSettingsTest, EverySettingIsReadFromEachPlaceAlone) {
    const ResolvedSettings none = resolve();
    EXPECT_EQ(none.settings, LessonSettings{});  // nothing anywhere: the game as designed
    EXPECT_TRUE(none.locked.isEmpty());

    write(files.user, kEverySetting);
    EXPECT_EQ(resolve().settings, everySetting());

    QFile::remove(files.user);
    write(files.school, kEverySetting);
    EXPECT_EQ(resolve().settings, everySetting());

    QFile::remove(files.school);
    EXPECT_EQ(resolve(kEverySwitch).settings, everySetting());
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

TEST_F(LessonSettingsTest, TheSchoolFileBeatsTheUsersAndTheSwitchesBeatBoth) {
    write(files.user, "[General]\nmute=true\nvolume=10\nlevels=1\ncalm=true\nscale=2\n");
    write(files.school, "[General]\nvolume=20\nlevels=2\ncalm=false\nscale=3\n");
    const ResolvedSettings r = resolve({"--volume", "30", "--levels", "3"});
    EXPECT_TRUE(r.settings.mute);                      // the user's alone
    EXPECT_FALSE(r.settings.calm);                     // the school's over the user's
    EXPECT_EQ(r.settings.scale, 3);                    // the school's over the user's
    EXPECT_EQ(r.settings.volume, 30);                  // the switch over both
    EXPECT_EQ(r.settings.levels, (std::set<int>{3}));  // the switch over both
}

TEST_F(LessonSettingsTest, ALockedSettingKeepsTheSchoolsValueOverTheUserAndTheSwitches) {
    write(files.user, "[General]\nvolume=10\nmute=true\nkeypad=true\n");
    write(files.school, "[General]\nvolume=50\nlocked=volume, mute, scale\n");
    const ResolvedSettings r = resolve({"--volume", "90", "--mute", "--scale", "4", "--calm"});
    EXPECT_EQ(r.settings.volume, 50);
    // Locked without a value in the school's file: the default.
    EXPECT_FALSE(r.settings.mute);
    EXPECT_FALSE(r.settings.scale.has_value());
    // What is not locked still comes from below.
    EXPECT_TRUE(r.settings.keypad);
    EXPECT_TRUE(r.settings.calm);
    EXPECT_EQ(r.locked, (QStringList{"volume", "mute", "scale"}));
    // Only the school can lock.
    write(files.user, "[General]\nlocked=calm\n");
    QFile::remove(files.school);
    EXPECT_TRUE(resolve({"--calm"}).locked.isEmpty());
}

TEST_F(LessonSettingsTest, BadValuesAndUnknownKeysAreSkippedWithOneLineOnStandardError) {
    write(files.user,
          "[General]\nvolume=40\nscale=3\nmute=perhaps\ncolour=red\npractice=true\n"
          "[Sound]\nloud=1\n");
    write(files.school, "[General]\nvolume=150\nlevels=0,4\nscale=2.5\nlocked=calm, speed\n");
    QCommandLineParser parser;
    AddSettingSwitches(parser);
    ASSERT_TRUE(parser.parse({"tezra"}));
    testing::internal::CaptureStderr();
    const ResolvedSettings r = ResolveSettings(files, parser);
    const QStringList lines = QString::fromStdString(testing::internal::GetCapturedStderr())
                                  .split('\n', Qt::SkipEmptyParts);

    // The weaker place's value, or the default, stands.
    EXPECT_EQ(r.settings.volume, 40);
    EXPECT_EQ(r.settings.scale, 3);
    EXPECT_EQ(r.settings.levels, (std::set<int>{1, 2, 3}));
    EXPECT_FALSE(r.settings.mute);
    EXPECT_TRUE(r.settings.practice);
    EXPECT_EQ(r.locked, QStringList{"calm"});
    const std::pair<QString, QString> skipped[] = {
        {files.user, "Sound/loud"}, {files.user, "colour"},  {files.user, "mute"},
        {files.school, "levels"},   {files.school, "speed"}, {files.school, "scale"},
        {files.school, "volume"}};
    ASSERT_EQ(lines.size(), std::size(skipped)) << lines.join('\n').toStdString();
    for (const auto& [file, key] : skipped) {
        EXPECT_EQ(lines.filter(file + ": ").filter(key).size(), 1) << key.toStdString();
    }
}

TEST_F(LessonSettingsTest, AFileThatCannotBeReadIsLikeNoFile) {
    ASSERT_TRUE(QDir().mkpath(files.user));  // a folder where the file should be
    // A pipe with a writer that never writes.
    ASSERT_TRUE(QDir().mkpath(QFileInfo(files.school).absolutePath()));
    ASSERT_EQ(mkfifo(QFile::encodeName(files.school).constData(), 0600), 0);
    const int writer = ::open(QFile::encodeName(files.school).constData(), O_RDWR);
    ASSERT_GE(writer, 0);
    EXPECT_EQ(resolve().settings, LessonSettings{});
    ::close(writer);
    EXPECT_EQ(warnings.size(), 2);
}

TEST_F(LessonSettingsTest, ASwitchWithABadValueIsAnError) {
    for (const QStringList& bad : {QStringList{"--volume", "101"},
                                   {"--levels", ""},
                                   {"--levels", "1,4"},
                                   {"--scale", "x"},
                                   {"--scale", ""}}) {
        const ResolvedSettings r = resolve(bad);
        EXPECT_TRUE(r.switchError.contains(bad[0])) << bad.join(' ').toStdString();
    }
    EXPECT_TRUE(resolve({"--volume", "0", "--scale", "8"}).switchError.isEmpty());
}

TEST_F(LessonSettingsTest, SavingWritesWhatDiffersAndKeepsLockedAndForeignKeys) {
    write(files.user, "[General]\nvolume=30\nmute=true\ntheme=dark\n");
    LessonSettings s;
    s.volume = 70;  // locked: not written
    s.calm = true;
    s.levels = {1, 2};
    s.mute = false;  // back to the default: removed
    ASSERT_EQ(SaveUserSettings(files.user, s, {"volume"}), SaveFailure::None);

    const QSettings saved(files.user, QSettings::IniFormat);
    EXPECT_EQ(saved.allKeys(), (QStringList{"calm", "levels", "theme", "volume"}));
    EXPECT_EQ(saved.value("volume").toString(), "30");
    EXPECT_EQ(saved.value("theme").toString(), "dark");
    const ResolvedSettings back = resolve();
    EXPECT_TRUE(back.settings.calm);
    EXPECT_EQ(back.settings.levels, (std::set<int>{1, 2}));
}

TEST_F(LessonSettingsTest, SavingWhereItCannotSaysWhyAndChangesNothing) {
    const QString elsewhere = dir.filePath("elsewhere.conf");
    write(elsewhere, "[General]\nmute=true\n");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(files.user).absolutePath()));
    ASSERT_TRUE(QFile::link(elsewhere, files.user));
    EXPECT_EQ(SaveUserSettings(files.user, LessonSettings{}, {}), SaveFailure::Link);
    EXPECT_EQ(QSettings(elsewhere, QSettings::IniFormat).allKeys(), QStringList{"mute"});

    ASSERT_TRUE(QFile::remove(files.user));
    ASSERT_TRUE(QDir().mkpath(files.user));
    EXPECT_EQ(SaveUserSettings(files.user, LessonSettings{}, {}), SaveFailure::NotAFile);

    write(dir.filePath("blocked"), "a file where the folder should be");
    EXPECT_EQ(SaveUserSettings(dir.filePath("blocked/Tezra/tezra.conf"), LessonSettings{}, {}),
              SaveFailure::NoFolder);
}
