#include <QPushButton>
#include <QTest>

#include "kit/fonts.h"
#include "persist/data_files.h"
#include "screens/frm_help.h"
#include "screens/frm_ver.h"
#include "support/play_fixture.h"

namespace {

struct LabelSpec {
    const char* name;
    QRect geometry;  // an empty size: sized to its text
    bool proportional;
    double points;
    bool bold;
    const char* text;  // nullptr: any non-empty text
};

void expectLabels(const Screen& dialog, std::initializer_list<LabelSpec> labels) {
    for (const LabelSpec& spec : labels) {
        SCOPED_TRACE(spec.name);
        const auto* label = dialog.findChild<QLabel*>(spec.name);
        ASSERT_NE(label, nullptr);
        EXPECT_TRUE(label->isVisibleTo(&dialog));
        if (spec.text) {
            EXPECT_EQ(label->text(), QString::fromUtf8(spec.text));
        } else {
            EXPECT_FALSE(label->text().isEmpty());
        }
        EXPECT_EQ(label->pos(), spec.geometry.topLeft());
        if (!spec.geometry.size().isEmpty()) {
            EXPECT_EQ(label->size(), spec.geometry.size());
        }
        const QFont want = spec.proportional ? PGothicFont(spec.points, spec.bold)
                                             : GothicFont(spec.points, spec.bold);
        EXPECT_EQ(label->font().pixelSize(), want.pixelSize());
        EXPECT_EQ(label->font().families().value(0), want.families().value(0));
        EXPECT_EQ(label->font().bold(), spec.bold);
    }
}

void expectDialogFrame(const Screen& dialog, const QString& caption) {
    EXPECT_EQ(dialog.size(), QSize(338, 200));
    EXPECT_EQ(dialog.windowTitle(), caption);
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(255, 255, 255));
    const auto* ok = dialog.findChild<QPushButton*>("comOk");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(ok->geometry(), QRect(266, 170, 63, 23));
}

QRect imageGeometry(const Screen& dialog, const char* name) {
    const auto* image = dialog.findChild<QLabel*>(name);
    return image ? image->geometry() : QRect();
}

}  // namespace

using DialogsTest = PlayFixture;

TEST_F(DialogsTest, HelpListsTheKeysOfPlay) {
    const Screen& help = *nav.load(ScreenId::Help);
    expectDialogFrame(help, "Tezra");
    EXPECT_EQ(imageGeometry(help, "imgD(0)"), QRect(32, 8, 32, 32));
    expectLabels(help, {{"lblD(6)", {124, 2, 0, 0}, false, 9.75, false, "そうさ"},
                        {"lblD(5)", {120, 16, 0, 0}, false, 18, false, "操作のしかた"}});
    // The gaps are ideographic spaces, so that the lines read as a table.
    const std::pair<int, const char*> lines[] = {
        {60, "角度を入れる\u3000→キーボードの数字キー"},
        {84, "数を直す\u3000\u3000\u3000→数字以外のキー"},
        {108, "発射(はっしゃ)→エンターキー\u3000か"},
        {124, "\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000スペースキー\u3000か"},
        {140, "\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000発射(はっしゃ)ボタン"},
    };
    for (int i = 0; i < 5; ++i) {
        const std::string name = "lblD(" + std::to_string(i) + ")";
        expectLabels(
            help,
            {{name.c_str(), {29, lines[i].first, 337, 17}, false, 11.25, false, lines[i].second}});
    }
}

TEST_F(DialogsTest, VersionShowsNameVersionAndTheNoteText) {
    state.gNoteText = "3年2組のみなさんへ";
    const Screen& ver = *nav.load(ScreenId::Version);
    expectDialogFrame(ver, "Tezraのバージョン情報");
    EXPECT_EQ(imageGeometry(ver, "imgD(0)"), QRect(8, 8, 32, 32));
    EXPECT_EQ(imageGeometry(ver, "imgD(1)"), QRect(56, 8, 270, 32));
    expectLabels(ver,
                 {
                     {"lblD(0)", {0, 72, 337, 25}, true, 14.25, true, "Tezra\u3000Version 3.0"},
                     {"lblD(1)", {0, 96, 337, 17}, true, 9.75, true, nullptr},
                     {"lblAdd", {0, 130, 337, 40}, true, 11.25, false, "3年2組のみなさんへ"},
                 });
    for (const char* centred : {"lblD(0)", "lblD(1)", "lblAdd"}) {
        EXPECT_TRUE(ver.findChild<QLabel*>(centred)->alignment() & Qt::AlignHCenter) << centred;
    }
    EXPECT_TRUE(ver.findChild<QLabel*>("lblAdd")->wordWrap());
}

TEST_F(DialogsTest, VersionShowsTheMissingFileSentenceWhenTheNoteWasLost) {
    LoadNoteText(state);  // the fixture's folder has no note file
    const Screen& ver = *nav.load(ScreenId::Version);
    EXPECT_EQ(ver.findChild<QLabel*>("lblAdd")->text(),
              "失われたファイルがあります．もう一度セットアップしてください．");
}

TEST_F(DialogsTest, AnEmptyNoteLeavesTheLineEmpty) {
    state.gNoteText.clear();
    const Screen& ver = *nav.load(ScreenId::Version);
    EXPECT_TRUE(ver.findChild<QLabel*>("lblAdd")->text().isEmpty());
}

TEST_F(DialogsTest, OkClosesEitherDialogAndTheCallerGoesOn) {
    start(1, 1);  // keeps the program running while the dialog comes and goes
    for (ScreenId name : {ScreenId::Help, ScreenId::Version}) {
        SCOPED_TRACE(static_cast<int>(name));
        Screen* dialog = nav.load(name);
        bool continued = false;
        nav.showModal(dialog, &play().screen, [&] { continued = true; });
        ASSERT_TRUE(nav.isShown(name));
        const std::size_t mark = soundMark();
        QTest::mouseClick(dialog->findChild<QPushButton*>("comOk"), Qt::LeftButton);
        EXPECT_TRUE(continued);
        EXPECT_EQ(nav.find(name), nullptr);
        EXPECT_TRUE(soundsSince(mark).empty());  // no click sound on these buttons
        EXPECT_FALSE(nav.ended());
    }
}

TEST_F(DialogsTest, PlayGoesOnUnderHelpAndAfterIt) {
    queueAngles({60});
    PlayProbe& s = start(2, 1);
    type("6");
    s.cmdHelp->click();
    Screen* help = nav.find(ScreenId::Help);
    ASSERT_NE(help, nullptr);
    const int before = round().gInvDist[0];
    advance(2000);  // the invader keeps walking while help is open
    EXPECT_LT(round().gInvDist[0], before);
    help->findChild<QPushButton*>("comOk")->click();
    EXPECT_EQ(nav.find(ScreenId::Help), nullptr);
    EXPECT_TRUE(nav.isLoaded(&s.screen));
    EXPECT_EQ(round().gInputAngle, 6);
    type("0");
    key(Qt::Key_Space, " ");
    EXPECT_EQ(round().gTarget, 0);
}
