#include "support/play_fixture.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QTest>

#include "app/screen_registry.h"
#include "art/sprites.h"

PlayFixture::PlayFixture() : random(std::make_unique<ScriptableRandom>(1234)) {
    RegisterScreens(services, flow);
    FillInvaderPictures(state);
    state.gAppDir = dir.path() + "/";
    state.gScore = 300;
    state.gHiScore = 300;
    state.gHiName = "ずび";
    state.gBgmOn = 1;
    state.gTwipsX = state.gTwipsY = 15;
    // The play screen comes after a game was started from the title, which read the files.
    state.gReadMeShown = 1;
}

PlayFixture::~PlayFixture() = default;

PlayProbe& PlayFixture::start(int level, int stage) {
    state.gLevel = level;
    state.gStage = stage;
    probe_.emplace(*static_cast<FrmTezra*>(nav.load(ScreenId::Play)));
    nav.show(&probe_->screen);
    return *probe_;
}

PlayProbe& PlayFixture::restart(int level, int stage) {
    if (!probe_) {
        return start(level, stage);
    }
    state.gLevel = level;
    state.gStage = stage;
    probe_->InitPlayScreen();
    return *probe_;
}

void PlayFixture::key(Qt::Key k, const QString& text, Qt::KeyboardModifiers mods) {
    // Through the window, as the platform delivers a key: modal blocking, the preview and the
    // focused control all take part.
    QWindow* window = probe_->screen.windowHandle();
    ASSERT_NE(window, nullptr) << "the play screen has not been shown";
    QTest::sendKeyEvent(QTest::Click, window, k, text, mods);
}

void PlayFixture::type(const QString& digits) {
    for (QChar c : digits) {
        key(static_cast<Qt::Key>(Qt::Key_0 + (c.unicode() - '0')), QString(c));
    }
}

bool PlayFixture::enterName(const QString& name) {
    if (!nav.isShown(ScreenId::NameEntry)) {
        return false;
    }
    Screen* entry = nav.find(ScreenId::NameEntry);
    QInputMethodEvent text;
    text.setCommitString(name);
    QApplication::sendEvent(entry->focusWidget(), &text);
    QTest::mouseClick(entry->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
    return true;
}

void PlayFixture::fire(int angle) {
    type(QString::number(angle));
    key(Qt::Key_Space, " ");
}

void PlayFixture::runUntilReady() {
    PlayProbe& s = play();
    for (int ms = 0; ms < 20000; ms += 10) {
        if (!s.model.busy() && !s.tmrOugi->enabled() && !s.tmrS->enabled() &&
            !s.tmrAfterHit->enabled() && !s.tmrAfterMiss->enabled()) {
            return;
        }
        advance(10);
    }
    ADD_FAILURE() << "the screen stayed busy";
}

int PlayFixture::answerFor(int slot) const {
    return (probe_->round.gInvAngle[slot] - probe_->model.lineAngle()) * probe_->model.lineDir();
}

std::vector<QString> PlayFixture::soundsSince(std::size_t mark) const {
    std::vector<QString> all = sound.commands();
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(mark, all.size())), all.end()};
}
