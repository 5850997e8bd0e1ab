#include "support/fingerprint.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <stdexcept>

#include "app/screen_flow.h"
#include "app/screen_registry.h"
#include "doubles/always_alone.h"
#include "doubles/virtual_clock.h"
#include "kit/navigator.h"
#include "play/frm_tezra.h"
#include "state/game_services.h"
#include "state/game_state.h"
#include "state/random_source.h"
#include "state/run_memory.h"
#include "support/play_probe.h"

namespace {

// A position or an angle in hundredths, so that no float is ever printed.
std::string Hundredths(double value) {
    return std::to_string(std::llround(value * 100));
}

std::string Point(QPointF p) {
    return Hundredths(p.x()) + "," + Hundredths(p.y());
}

std::string Colour(const QColor& colour) {
    static const char kHex[] = "0123456789abcdef";
    std::string text = "#";
    for (int part : {colour.red(), colour.green(), colour.blue()}) {
        text += kHex[part / 16];
        text += kHex[part % 16];
    }
    return text;
}

std::string Text(const QString& text) {
    return text.toStdString();
}

const char* PhaseName(PlayPhase phase) {
    switch (phase) {
        case PlayPhase::Aiming:
            return "aiming";
        case PlayPhase::Fan:
            return "fan";
        case PlayPhase::Shot:
            return "shot";
        case PlayPhase::HitFollowUp:
            return "hit-follow-up";
        case PlayPhase::MissFollowUp:
            return "miss-follow-up";
        case PlayPhase::StageClear:
            return "stage-clear";
        case PlayPhase::GameOver:
            return "game-over";
        case PlayPhase::AllClear:
            return "all-clear";
    }
    return "?";
}

const char* DrawingName(Drawing::Kind kind) {
    switch (kind) {
        case Drawing::Kind::Line:
            return "line";
        case Drawing::Kind::Point:
            return "point";
        case Drawing::Kind::Arc:
            return "arc";
        case Drawing::Kind::Pie:
            return "pie";
    }
    return "?";
}

// Sound whose every call is written down with the clock's time. A file is named by its own name
// only: the folder is a temporary one.
class StampedSound : public SoundSystem {
  public:
    StampedSound(const Clock& clock, std::string& out) : clock_(clock), out_(out) {}

    std::unique_ptr<SoundDevice> create(DeviceType, const QString& name) override {
        return std::make_unique<Device>(*this, Text(name));
    }

  private:
    class Device : public SoundDevice {
      public:
        Device(StampedSound& system, std::string name) : system_(system), name_(std::move(name)) {}
        void setFileName(const QString& path) override {
            system_.write(name_, "file=" + Text(QFileInfo(path).fileName()));
        }
        void setCommandFlag(bool flag) override {
            system_.write(name_, flag ? "flag=true" : "flag=false");
        }
        void command(SoundCommand cmd) override { system_.write(name_, SoundCommandName(cmd)); }

      private:
        StampedSound& system_;
        std::string name_;
    };

    void write(const std::string& device, const std::string& what) {
        out_ += std::to_string(clock_.now()) + " sound " + device + " " + what + "\n";
    }

    const Clock& clock_;
    std::string& out_;
};

}  // namespace

struct FingerprintGame::World {
    World(std::uint32_t seed, std::string& core)
        : random(seed), sound(clock, core), services{{clock, nav}, state,     run,
                                                     random,       sound,     instance,
                                                     dir.path(),   dir.path()} {
        RegisterScreens(services, flow);
    }

    // The screen that takes input: the modal one, or else the one shown.
    Screen* accepting() const {
        std::vector<QWidget*> shown = nav.shownScreens();
        if (shown.empty()) {
            throw std::logic_error("no screen is shown");
        }
        return static_cast<Screen*>(shown.back());
    }
    FrmTezra* play() const { return static_cast<FrmTezra*>(nav.find(ScreenId::Play)); }

    QTemporaryDir dir;
    GameState state;
    RunMemory run;
    VirtualClock clock;
    SeededRandom random;
    StampedSound sound;
    Navigator nav;
    AlwaysAlone instance;
    GameServices services;
    ScreenFlow flow{nav, state};
    QPointer<FrmTezra> followed;
};

FingerprintGame::FingerprintGame(std::uint32_t seed)
    : world_(std::make_unique<World>(seed, core_)), seed_(seed) {}

FingerprintGame::~FingerprintGame() {
    // Also when the script broke off, what was played so far can be read.
    WriteIfAsked("seed" + std::to_string(seed_) + "_core", core_);
    WriteIfAsked("seed" + std::to_string(seed_) + "_display", display_);
}

void FingerprintGame::startAtTitle() {
    world_->flow.start();
    act();
}

bool FingerprintGame::showing(const char* screen) const {
    const std::vector<QWidget*> shown = world_->nav.shownScreens();
    return !shown.empty() && shown.back()->objectName() == QLatin1String(screen);
}

void FingerprintGame::click(const char* button) {
    Screen* screen = world_->accepting();
    auto* target = screen->findChild<QPushButton*>(button);
    if (!target || !target->isVisibleTo(screen)) {
        throw std::logic_error(std::string("no button ") + button + " on " +
                               Text(screen->objectName()));
    }
    QTest::mouseClick(screen->windowHandle(), Qt::LeftButton, {},
                      target->mapTo(screen, target->rect().center()));
    act();
}

void FingerprintGame::shiftFunctionKey(int number) {
    QTest::sendKeyEvent(QTest::Click, world_->accepting()->windowHandle(),
                        static_cast<Qt::Key>(Qt::Key_F1 + number - 1), QString(),
                        Qt::ShiftModifier);
    act();
}

void FingerprintGame::ctrlShiftLetter(char letter) {
    QTest::sendKeyEvent(QTest::Click, world_->accepting()->windowHandle(),
                        static_cast<Qt::Key>(Qt::Key_A + (letter - 'a')), QString(),
                        Qt::ControlModifier | Qt::ShiftModifier);
    act();
}

bool FingerprintGame::aiming() const {
    FrmTezra* play = world_->play();
    if (!play || !showing(FrmTezra::kName) || !play->field().isVisibleTo(play)) {
        return false;
    }
    return !play->model().busy() && play->model().playState().gInputAngle == 0;
}

int FingerprintGame::answer() const {
    const PlayModel& model = world_->play()->model();
    const int slot = world_->state.gLevel == 3 ? static_cast<int>(model.nearSlot()) : 0;
    return (model.playState().gInvAngle[slot] - model.lineAngle()) * model.lineDir();
}

void FingerprintGame::type(const std::string& keys) {
    QWindow* window = world_->play()->windowHandle();
    for (char c : keys) {
        Qt::Key key = Qt::Key_unknown;
        if (c >= '0' && c <= '9') {
            key = static_cast<Qt::Key>(Qt::Key_0 + (c - '0'));
        } else if (c >= 'a' && c <= 'z') {
            key = static_cast<Qt::Key>(Qt::Key_A + (c - 'a'));
        } else if (c == ' ') {
            key = Qt::Key_Space;
        } else if (c == '\r') {
            key = Qt::Key_Return;
        }
        QTest::sendKeyEvent(QTest::Click, window, key, QString(QChar(c)), Qt::NoModifier);
        act();
    }
}

void FingerprintGame::advance(int ms) {
    world_->clock.advance(ms);
    act();
}

std::int64_t FingerprintGame::now() const {
    return world_->clock.now();
}

bool FingerprintGame::ended() const {
    return world_->nav.ended();
}

void FingerprintGame::act() {
    snapshotIfJudged();
    follow();
    // Unloaded screens go as the event loop would let them.
    QCoreApplication::processEvents();
}

void FingerprintGame::follow() {
    FrmTezra* play = world_->play();
    if (!play || play == world_->followed) {
        return;
    }
    world_->followed = play;
    if (play->phase() != PlayPhase::Aiming) {
        throw std::logic_error("a play screen was followed too late");
    }
    PlayModel& model = play->model();
    QObject::connect(&model, &PlayModel::phaseChanged, play, [this](PlayPhase phase) {
        core_ += std::to_string(now()) + " phase " + PhaseName(phase) + "\n";
    });
    QObject::connect(&model, &PlayModel::shotJudged, play, [this](const JudgedShot& shot) {
        core_ += std::to_string(now()) + " shot level=" + std::to_string(shot.level) +
                 " stage=" + std::to_string(shot.stage) +
                 " right=" + std::to_string(shot.rightAngle) +
                 " typed=" + std::to_string(shot.typedAngle) + (shot.hit ? " hit" : " miss") +
                 " points=" + std::to_string(shot.points) +
                 " elapsed=" + std::to_string(shot.elapsedMs) + "\n";
        judged_ = true;
    });
}

void FingerprintGame::snapshotIfJudged() {
    if (!judged_) {
        return;
    }
    judged_ = false;
    FrmTezra* play = world_->play();
    const PlayProbe probe(*play);
    std::string& out = display_;
    out += "display at " + std::to_string(now()) + "\n";
    for (const Drawing& d : probe.picMain->displayList()) {
        out += std::string(DrawingName(d.kind)) + " " + Point(d.from) + " " + Point(d.to) + " r" +
               Hundredths(d.radius) + " " + Hundredths(d.startDeg) + ".." + Hundredths(d.endDeg) +
               " " + Colour(d.colour) + "\n";
    }
    for (const FieldLine* line : {probe.Line1[0], probe.Line1[1], probe.Line2}) {
        out += "field-line " + Point(line->p1()) + " " + Point(line->p2()) + " " +
               Colour(line->colour()) + (line->dotted() ? " dotted" : "") +
               (line->visible() ? "" : " hidden") + "\n";
    }
    // Every label and picture shown, in the order the screen made them. Not their sizes: a label
    // sized to its text measures the font files the system has (Debian's alternatives give the
    // same family other glyphs once IPAex is installed), and the number must not follow them.
    for (const QLabel* label : play->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(play)) {
            continue;
        }
        const QPoint at = label->mapTo(play, QPoint(0, 0));
        out += "shown " + Text(label->objectName()) + " " + std::to_string(at.x()) + "," +
               std::to_string(at.y()) + " " + Text(label->text()) + "\n";
    }
}

std::string Fnv1a64(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    static const char kHex[] = "0123456789abcdef";
    std::string out(16, '0');
    for (int i = 15; i >= 0; --i) {
        out[i] = kHex[hash & 0xf];
        hash >>= 4;
    }
    return out;
}

void WriteIfAsked(const std::string& name, const std::string& text) {
    const QString dir = qEnvironmentVariable("TEZRA_FINGERPRINT_DIR");
    if (dir.isEmpty()) {
        return;
    }
    QFile file(dir + "/" + QString::fromStdString(name) + ".txt");
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.data(), static_cast<qint64>(text.size()));
    }
}
