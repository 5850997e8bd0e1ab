#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "app/run_game.h"
#include "app/screen_flow.h"
#include "app/screen_registry.h"
#include "kit/navigator.h"
#include "kit/real_clock.h"
#include "kit/single_instance.h"
#include "persist/data_files.h"
#include "sound/real_sound.h"
#include "state/game_state.h"
#include "state/random_source.h"
#include "state/run_memory.h"
#include "state/sprites.h"

namespace {
// Development switches: --level N --stage M. Anything else on the command line (a desktop
// launcher may pass some) is ignored.
void applyStartStage(const QStringList& args, GameState& state) {
    QCommandLineParser parser;
    parser.addOption({"level", "Level to start at (1-3).", "level", "1"});
    parser.addOption({"stage", "Stage to start at (1-3).", "stage", "1"});
    parser.parse(args);
    state.gLevel = std::clamp(parser.value("level").toInt(), 1, 3);
    state.gStage = std::clamp(parser.value("stage").toInt(), 1, 3);
}

void readStartUpData(GameState& state, const QString& programDir) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    state.gTwipsX = static_cast<float>(1440.0 / dpi);
    state.gTwipsY = state.gTwipsX;
    SetAppDir(state, programDir);
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
    // Only the game ends the game: a hidden last window must not.
    QApplication::setQuitOnLastWindowClosed(false);

    GameState state;
    RunMemory run;
    applyStartStage(QApplication::arguments(), state);
    RealClock clock;
    SeededRandom random(
        static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    RealSoundSystem sound;
    Navigator nav;
    LockFileInstance instance(LockFileInstance::defaultPath());
    Services services{state, run, clock,    random,
                      sound, nav, instance, QCoreApplication::applicationDirPath()};
    nav.setServices(services);
    ScreenFlow flow(nav, state);
    RegisterScreens(nav, flow);

    // A second copy ends before it shows anything.
    if (!instance.acquire()) {
        return 0;
    }
    readStartUpData(state, services.programDir);
    flow.startAtPlay();
    if (qEnvironmentVariableIsSet("TEZRA_REPORT_SHOWN")) {
        // For the start-up benchmark: report once the shown screen has been painted, then leave.
        QTimer::singleShot(0, [] {
            std::puts("shown");
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
    return RunUntilEnd(nav);
}
