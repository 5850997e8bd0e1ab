#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/display_scale.h"
#include "app/run_game.h"
#include "app/screen_flow.h"
#include "app/screen_registry.h"
#include "kit/navigator.h"
#include "kit/real_clock.h"
#include "kit/screen.h"
#include "kit/single_instance.h"
#include "persist/game_folders.h"
#include "sound/deferred_sound.h"
#include "sound/silent_sound.h"
#include "sound/sound_plugin.h"
#include "sound/sound_thread.h"
#include "state/game_state.h"
#include "state/random_source.h"
#include "state/run_memory.h"

namespace {
// --scale N (see app/display_scale.h) is read before the application is made.
// Development switches: --level N --stage M start at the play screen. Anything else on the
// command line (a desktop launcher may pass some) is ignored; a value that is no level or stage
// becomes the nearest one. Returns whether either switch was given.
bool applyStartStage(const QStringList& args, GameState& state) {
    QCommandLineParser parser;
    parser.addOption({"level", "Level to start at (1-3).", "level", "1"});
    parser.addOption({"stage", "Stage to start at (1-3).", "stage", "1"});
    parser.parse(args);
    if (!parser.isSet("level") && !parser.isSet("stage")) {
        return false;
    }
    state.gLevel = std::clamp(parser.value("level").toInt(), 1, 3);
    state.gStage = std::clamp(parser.value("stage").toInt(), 1, 3);
    return true;
}

// Runs `then` once, as soon as the first screen has been painted.
class AfterFirstPaint : public QObject {
  public:
    explicit AfterFirstPaint(std::function<void()> then) : then_(std::move(then)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (then_ && event->type() == QEvent::Paint && qobject_cast<Screen*>(watched)) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, std::exchange(then_, {}));
        }
        return false;
    }

  private:
    std::function<void()> then_;
};

// For the start-up benchmark: says "shown", then leaves.
void ReportShownAndLeave() {
    std::puts("shown");
    std::fflush(stdout);
    QCoreApplication::exit(0);
}
}  // namespace

int main(int argc, char** argv) {
    ApplyWholeScaling(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tezra");
    QGuiApplication::setDesktopFileName(QStringLiteral(TEZRA_APP_ID));
    // Only the game ends the game: a hidden last window must not.
    QApplication::setQuitOnLastWindowClosed(false);
    // Made first, so that it outlives every device of the screens.
    SoundThread soundThread;

    GameState state;
    RunMemory run;
    const bool atPlay = applyStartStage(QApplication::arguments(), state);
    RealClock clock;
    SeededRandom random(
        static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    // Devices made before the sound stack is loaded catch up with it when it comes.
    DeferredSoundSystem sound;
    Navigator nav;
    LockFileInstance instance(LockFileInstance::defaultPath());
    // An installation puts the shipped files at TEZRA_INSTALLED_FILES from the program's folder.
    const QString programDir = QCoreApplication::applicationDirPath();
    const GameFolders folders = LocateGameFolders(
        programDir, QDir(programDir).filePath(QStringLiteral(TEZRA_INSTALLED_FILES)),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    Services services{state, run, clock, random, sound, nav, instance, folders.files, folders.data};
    nav.setServices(services);
    ScreenFlow flow(nav, state);
    RegisterScreens(nav, flow);

    AfterFirstPaint loadSound([&] {
        soundThread.start(
            SoundPluginPaths(programDir), [&sound](std::unique_ptr<SoundSystem> real) {
                sound.attach(real ? std::move(real) : std::make_unique<SilentSoundSystem>());
            });
    });
    std::unique_ptr<AfterFirstPaint> report;
    if (qEnvironmentVariableIsSet("TEZRA_REPORT_SHOWN")) {
        report = std::make_unique<AfterFirstPaint>(ReportShownAndLeave);
    }
    if (atPlay) {
        flow.startAtPlay();
    } else {
        flow.start();
    }
    const int code = RunUntilEnd(nav);
    if (!soundThread.finish()) {
        std::fflush(nullptr);
        std::_Exit(code);  // everything is saved; only a thread stuck in the sound server is left
    }
    return code;
}
