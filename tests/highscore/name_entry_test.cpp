#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "highscore/frm_high_score.h"
#include "persist/data_files.h"
#include "support/play_fixture.h"

namespace {
const QString kIdeographicSpace = QStringLiteral("\u3000");
}

// The name entry shown on its own, with the score of a game just ended.
class NameEntryTest : public PlayFixture {
  protected:
    void SetUp() override {
        state.gScore = 1250;
        entry = nav.load(ScreenId::NameEntry);
        nav.show(entry);
    }
    QPushButton* button(const QString& name) const {
        auto* b = entry->findChild<QPushButton*>(name);
        EXPECT_NE(b, nullptr) << name.toStdString();
        return b;
    }
    void click(const QString& name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    // A key of the physical keyboard that types `text`.
    void press(Qt::Key key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::sendKeyEvent(QTest::Click, entry->windowHandle(), key, text, mods);
    }
    void commit(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(entry->focusWidget(), &event);
    }
    QString name() const { return entry->findChild<QLabel*>("lblName")->text(); }
    int clicks() const {
        const auto all = sound.commandsOf("mmcSound");
        return static_cast<int>(std::count(all.begin(), all.end(), "sound"));
    }
    QByteArray storedFile() const {
        QFile file(state.gAppDir + kHighScoreFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    Screen* entry = nullptr;
};

TEST_F(NameEntryTest, LoadTakesTheScoreOverAndLaysTheKeyboardOut) {
    EXPECT_EQ(state.gHiScore, 1250);
    EXPECT_EQ(state.gScore, 300);
    EXPECT_EQ(entry->findChild<QLabel*>("lblPoint")->text(), " 1250");
    EXPECT_EQ(entry->windowType(), Qt::Dialog);
    EXPECT_TRUE(entry->windowFlags() & Qt::WindowTitleHint);
    EXPECT_EQ(entry->caption(), "");
    EXPECT_EQ(entry->size(), QSize(411, 442));
    EXPECT_EQ(sound.commandsOf("mmcOpening"),
              (std::vector<QString>{"FileName=" + state.gAppDir + "wav_clea.wav", "sound"}));
    EXPECT_EQ(sound.commandsOf("mmcSound"),
              (std::vector<QString>{"FileName=" + state.gAppDir + "wav_pyu.wav"}));
    // Rows of five, neighbours sharing an edge.
    const std::pair<const char*, QRect> keys[] = {{"cmdKey(7)", {56, 72, 25, 25}},
                                                  {"cmdKey1(54)", {240, 264, 25, 25}},
                                                  {"cmdKey2(29)", {376, 144, 25, 25}}};
    for (const auto& [key, geometry] : keys) {
        EXPECT_EQ(button(key)->geometry(), geometry) << key;
    }
    EXPECT_EQ(button("cmdKey(5)")->text(), "か");
    EXPECT_EQ(button("cmdKey1(50)")->text(), kIdeographicSpace);
}

TEST_F(NameEntryTest, EveryKeyTypesItsOwnCharacterAndSaysItInBothSets) {
    const auto keys =
        entry->findChildren<QPushButton*>(QRegularExpression(R"(^cmdKey\d?\(\d+\)$)"));
    ASSERT_EQ(keys.size(), 135);
    for (int set = 0; set < 2; ++set) {
        for (QPushButton* key : keys) {
            QTest::mouseClick(key, Qt::LeftButton);
            ASSERT_EQ(name(), key->text()) << key->objectName().toStdString();
            // A screen reader says the key's letter, or its symbol in words.
            const QString spoken = key->accessibleName();
            EXPECT_TRUE(spoken == key->text() ? key->text().at(0).isLetterOrNumber()
                                              : spoken.size() > 1)
                << key->objectName().toStdString();
            click("cmdDel");
        }
        click("cmdKana");
    }
}

TEST_F(NameEntryTest, TheSetSwitchTurnsAllThreeArrays) {
    const std::tuple<const char*, const char*, const char*> keys[] = {
        {"cmdKey(0)", "あ", "ア"}, {"cmdKey2(0)", "Ａ", "ａ"}, {"cmdKey1(35)", "０", "、"}};
    for (const auto& [key, before, after] : keys) {
        EXPECT_EQ(button(key)->text(), before);
    }
    click("cmdKana");
    EXPECT_EQ(clicks(), 1);
    for (const auto& [key, before, after] : keys) {
        EXPECT_EQ(button(key)->text(), after);
    }
}

TEST_F(NameEntryTest, TenCharactersAndThenSilence) {
    for (int i = 0; i < 10; ++i) {
        click(QString("cmdKey(%1)").arg(i));
    }
    EXPECT_EQ(name(), "あいうえおかきくけこ");
    EXPECT_EQ(clicks(), 10);
    click("cmdKey(10)");
    press(Qt::Key_A, "a");
    press(Qt::Key_Space, " ");
    commit("ま");
    EXPECT_EQ(name(), "あいうえおかきくけこ");
    EXPECT_EQ(clicks(), 10);
    click("cmdBS");
    EXPECT_EQ(name(), "あいうえおかきくけ");
    EXPECT_EQ(clicks(), 11);
    commit("まみ");  // one place left: the second character finds the name full
    EXPECT_EQ(name(), "あいうえおかきくけま");
    EXPECT_EQ(clicks(), 12);
}

TEST_F(NameEntryTest, TakingBackIsSilentOnAnEmptyNameAndDeletingAllIsNot) {
    click("cmdBS");
    press(Qt::Key_Backspace, "\b");
    EXPECT_EQ(clicks(), 0);
    click("cmdDel");
    EXPECT_EQ(clicks(), 1);
    commit("あい");
    press(Qt::Key_Backspace, "\b");
    EXPECT_EQ(name(), "あ");
    EXPECT_EQ(clicks(), 4);
}

TEST_F(NameEntryTest, ThePhysicalKeyboardAndTheInputMethodType) {
    QWidget* picKey = entry->findChild<QWidget*>("picKey");
    button("cmdOk")->setFocus();
    press(Qt::Key_A, "a");
    EXPECT_EQ(entry->focusWidget(), picKey);  // so a held Enter never presses "OK"
    press(Qt::Key_Space, " ");
    // The input method must be on for the focused panel, or a child could type no kana.
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(picKey, &query);
    EXPECT_TRUE(query.value(Qt::ImEnabled).toBool());
    commit("たろ");
    EXPECT_EQ(name(), "a" + kIdeographicSpace + "たろ");
    EXPECT_EQ(clicks(), 4);
}

TEST_F(NameEntryTest, ControlKeysAndCharactersTheFileCannotKeepAreRefused) {
    press(Qt::Key_Return, "\r");
    press(Qt::Key_Escape, "\x1b");
    press(Qt::Key_Tab, "\t");
    press(Qt::Key_J, "\n", Qt::ControlModifier);
    press(Qt::Key_unknown, "ㄅ");
    commit("😀");
    commit("ㄅ\u3042\n");
    EXPECT_EQ(name(), "あ");
    EXPECT_EQ(clicks(), 1);
}

TEST_F(NameEntryTest, OkStoresScoreAndNameAsTheFileKeepsThemAndCloses) {
    commit("たろう");
    press(Qt::Key_unknown, "ㄅ");
    click("cmdKey2(0)");
    const QString shown = name();
    const int before = clicks();
    click("cmdOk");
    EXPECT_EQ(clicks(), before + 1);
    EXPECT_EQ(nav.find(ScreenId::NameEntry), nullptr);
    EXPECT_EQ(state.gHiName, shown);
    EXPECT_EQ(storedFile(), QByteArray(" 1250\r\n\x82\xbd\x82\xeb\x82\xa4\x82\x60\r\n"));
    GameState again;
    again.gAppDir = state.gAppDir;
    LoadHighScoreFile(again);
    EXPECT_EQ(again.gHiName, shown);
    EXPECT_EQ(again.gHiScore, 1250);
}

TEST_F(NameEntryTest, ClosingTheWindowStoresAsOkDoes) {
    click("cmdKey(0)");
    entry->close();
    EXPECT_EQ(nav.find(ScreenId::NameEntry), nullptr);
    EXPECT_EQ(state.gHiName, "あ");
    EXPECT_EQ(storedFile(), QByteArray(" 1250\r\n\x82\xa0\r\n"));
}

// Not a check: with TEZRA_ART_PREVIEW set to a folder, writes the screen in both sets with a name
// typed, for a person to look at.
TEST_F(NameEntryTest, WritesPreviewsWhenAskedTo) {
    const QString folder = qEnvironmentVariable("TEZRA_ART_PREVIEW");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "set TEZRA_ART_PREVIEW to a folder to write the previews";
    }
    commit("ずびＡｂ1");
    press(Qt::Key_Space, " ");
    click("cmdKey(35)");
    for (int set = 0; set < 2; ++set) {
        EXPECT_TRUE(entry->grab().save(QString("%1/name_entry_set%2.png").arg(folder).arg(set)));
        click("cmdKana");
    }
}
