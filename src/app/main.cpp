#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "kit/navigator.h"
#include "kit/real_clock.h"
#include "persist/data_files.h"
#include "play/frm_tezra.h"
#include "screens/registry.h"
#include "sound/real_sound.h"
#include "state/game_state.h"
#include "state/random_source.h"
#include "state/sprites.h"

namespace {
// Development switch: --level N --stage M opens that stage directly.
void applyStartStage(const QStringList& args, GameState& state) {
    QCommandLineParser parser;
    parser.addOption({"level", "Level to start at (1-3).", "level", "1"});
    parser.addOption({"stage", "Stage to start at (1-3).", "stage", "1"});
    parser.process(args);
    state.gLevel = std::clamp(parser.value("level").toInt(), 1, 3);
    state.gStage = std::clamp(parser.value("stage").toInt(), 1, 3);
}

void readStartUpData(GameState& state) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    state.gTwipsX = static_cast<float>(1440.0 / dpi);
    state.gTwipsY = state.gTwipsX;
    SetAppDir(state, QCoreApplication::applicationDirPath());
    FillInvaderPictures(state);
    LoadHighScoreFile(state);
    LoadNoteText(state);
    LoadMusicSetting(state);
    if (state.gScore < 1) {
        state.gScore = 300;
    }
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tezra");
    GameState state;
    applyStartStage(QApplication::arguments(), state);
    readStartUpData(state);

    RealClock clock;
    SeededRandom random(
        static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    RealSoundSystem sound;
    Navigator nav;
    Services services{state, clock, random, sound, nav};
    nav.setServices(services);
    nav.onEnd([] { QCoreApplication::exit(0); });
    RegisterScreens(nav);

    nav.show(nav.load(FrmTezra::kName));
    if (qEnvironmentVariableIsSet("TEZRA_REPORT_SHOWN")) {
        // For the start-up benchmark: report once the shown screen has been painted, then leave.
        QTimer::singleShot(0, [] {
            std::puts("shown");
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
    return QApplication::exec();
}
