#include "app/end_on_signals.h"

#include <signal.h>

#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>

#include "support/play_fixture.h"

namespace {
QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
}  // namespace

// A logout during the name entry, over a play screen that is still loaded.
class EndOnSignalsTest : public PlayFixture {};

TEST_F(EndOnSignalsTest, SigtermAtTheNameEntryKeepsTheNameTypedSoFarAndTheMusicSetting) {
    PlayProbe& playing = start(1, 1);
    state.gScore = 1250;
    Screen* entry = nav.load(ScreenId::NameEntry);
    nav.showModal(entry, &playing.screen);
    QInputMethodEvent typed;
    typed.setCommitString("あい");
    QApplication::sendEvent(entry->focusWidget(), &typed);

    EndOnSignals endOnSignals([this] { nav.closeAll(); });
    raise(SIGTERM);
    QCoreApplication::processEvents();

    EXPECT_TRUE(nav.ended());
    EXPECT_EQ(nav.find(ScreenId::NameEntry), nullptr);
    EXPECT_EQ(nav.find(ScreenId::Play), nullptr);
    EXPECT_EQ(Contents(dir.filePath("dat_high.ini")), " 1250\r\n\x82\xa0\x82\xa2\r\n");
    EXPECT_EQ(Contents(dir.filePath("dat_midi.ini")), " 1\r\n");
}
