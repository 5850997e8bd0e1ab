#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/application_start.h"
#include "app/command_line.h"
#include "app/end_on_signals.h"
#include "app/qt_translations.h"
#include "app/run_game.h"
#include "app/screen_flow.h"
#include "app/screen_registry.h"
#include "art/app_icon.h"
#include "kit/navigator.h"
#include "kit/real_clock.h"
#include "kit/screen.h"
#include "kit/single_instance.h"
#include "persist/game_folders.h"
#include "play/frm_tezra.h"
#include "sound/deferred_sound.h"
#include "sound/silent_sound.h"
#include "sound/sound_plugin.h"
#include "sound/sound_thread.h"
#include "state/game_services.h"
#include "state/game_state.h"
#include "state/random_source.h"
#include "state/run_memory.h"

namespace {
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

// The program's icon at the sizes a desktop asks for, for every window that has none of its own.
QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(QPixmap::fromImage(AppIcon(size)));
    }
    return icon;
}
}  // namespace

int main(int argc, char** argv) {
    const QStringList args = ArgumentsOf(argc, argv);
    const GameCommandLine options(args);
    if (options.helpAsked() || options.versionAsked()) {
        // Answered before anything needs a display; the application object only gives the help
        // its program name.
        const QCoreApplication info(argc, argv);
        std::fputs(qPrintable(options.helpAsked() ? options.helpText()
                                                  : QStringLiteral("Tezra " TEZRA_VERSION "\n")),
                   stdout);
        return 0;
    }
    const ResolvedSettings resolved = options.settings(DefaultSettingsFiles());
    const QString refusal = resolved.switchError.isEmpty()
                                ? options.playStartRefusal(resolved.settings)
                                : resolved.switchError;
    if (!refusal.isEmpty()) {
        const QCoreApplication info(argc, argv);
        std::fputs(qPrintable(refusal + '\n' + options.helpText()), stderr);
        return 2;
    }
    if (!DisplayNamed(args)) {
        std::fputs(kNoDisplayLine, stderr);
        return 1;
    }
    const std::unique_ptr<QApplication> app = MakeApplication(
        argc, argv, resolved.settings.scale, FrmTezra::ClientSize(resolved.settings.keypad));
    if (!InstallQtJapanese(*app)) {
        std::fputs(
            "Qt's Japanese translations (qt6-translations-l10n) are missing: "
            "Qt's own dialogs speak English\n",
            stderr);
    }
    QApplication::setApplicationName("Tezra");
    QGuiApplication::setWindowIcon(ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral(TEZRA_APP_ID));
    // Only the game ends the game: a hidden last window must not.
    QApplication::setQuitOnLastWindowClosed(false);
    // Made first, so that it outlives every device of the screens.
    SoundThread soundThread;

    GameState state;
    RunMemory run;
    run.settings = resolved.settings;
    run.lockedSettings = resolved.locked;
    run.startedMuted = resolved.settings.mute;
    if (options.startsAtPlay()) {
        state.gLevel = options.level();
        state.gStage = options.stage();
    }
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
        UserDataFolder());
    GameServices services{{clock, nav}, state,    run,           random,
                          sound,        instance, folders.files, folders.data};
    ScreenFlow flow(nav, state);
    RegisterScreens(services, flow);

    AfterFirstPaint loadSound([&] {
        if (run.startedMuted) {
            // A muted lesson never loads the sound stack: nothing can sound, nothing can stall.
            sound.attach(std::make_unique<SilentSoundSystem>());
            return;
        }
        soundThread.start(
            SoundPluginPaths(programDir),
            [&sound](std::unique_ptr<SoundSystem> real) {
                sound.attach(real ? std::move(real) : std::make_unique<SilentSoundSystem>());
            },
            run.settings.volume);
    });
    std::unique_ptr<AfterFirstPaint> report;
    if (qEnvironmentVariableIsSet("TEZRA_REPORT_SHOWN")) {
        report = std::make_unique<AfterFirstPaint>(ReportShownAndLeave);
    }
    // A logout or Ctrl+C closes the windows as a player would, so nothing typed is lost.
    EndOnSignals endOnSignals([&nav] { nav.closeAll(); });
    if (options.startsAtPlay()) {
        flow.startAtPlay();
    } else {
        flow.start();
    }
    nav.setFullScreen(run.settings.fullscreen);
    const int code = RunUntilEnd(nav);
    if (!soundThread.finish()) {
        std::fflush(nullptr);
        std::_Exit(code);  // everything is saved; only a thread stuck in the sound server is left
    }
    return code;
}
