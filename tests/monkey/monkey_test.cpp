#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <memory>
#include <random>
#include <set>

#include "monkey/monkey_world.h"
#include "play/frm_tezra.h"
#include "support/screen_timers.h"

namespace {
constexpr ScreenId kAllScreens[] = {ScreenId::Title,     ScreenId::ReadMe,   ScreenId::Briefing,
                                    ScreenId::Play,      ScreenId::GameOver, ScreenId::AllClear,
                                    ScreenId::NameEntry, ScreenId::Help,     ScreenId::Version};

// The only reads from inside the play screen: what the invariants check and what the monkey
// needs to answer an invader now and then, so that it gets past the first stage.
struct PlayView {
    int busy;
    int lineAngle;
    int lineDir;
    int nearSlot;
    PlayPhase phase;
};
PlayView ViewOf(const FrmTezra& play) {
    const PlayModel& model = play.model();
    return {model.busy() ? 1 : 0, model.lineAngle(), model.lineDir(), model.nearSlot(),
            model.phase()};
}

bool InRange(int value, int lo, int hi) {
    return value >= lo && value <= hi;
}

// Random keys, text, input-method text and clicks on whatever screen takes input, with random
// pauses on virtual time between them, over as many runs of the program as the time allows.
class Monkey {
  public:
    explicit Monkey(std::uint32_t seed) : seed_(seed), rng_(seed) { newRun(); }

    // Plays until the virtual time is used up or an invariant breaks; returns the broken one.
    std::string playFor(double hours) {
        const auto budgetMs = static_cast<std::int64_t>(hours * 3'600'000);
        std::string fault = brokenInvariant();
        while (fault.empty() && elapsedMs_ + run_->clock.now() < budgetMs) {
            fault = step();
        }
        return fault.empty() ? fault
                             : "seed " + std::to_string(seed_) + ", event " +
                                   std::to_string(events_) + " (" + last_ + "): " + fault;
    }

    double hours() const { return (elapsedMs_ + run_->clock.now()) / 3'600'000.0; }
    long events() const { return events_; }
    int runs() const { return runs_; }
    const std::set<ScreenId>& screensSeen() const { return screensSeen_; }
    const std::set<std::pair<int, int>>& stagesSeen() const { return stagesSeen_; }

  private:
    void newRun() {
        if (run_) {
            elapsedMs_ += run_->clock.now();
        }
        run_.reset();
        QCoreApplication::processEvents();  // lets the old run's screens go
        run_ = std::make_unique<MonkeyRun>(folder_.path(), rng_());
        ++runs_;
        // Some runs have a good pupil at the keyboard, who gets as far as the all-clear.
        answerChance_ = chance(0.3) ? 0.9 : 0.25;
        if (chance(0.5)) {
            run_->flow.start();
        } else {
            run_->state.gLevel = pick(1, 3);
            run_->state.gStage = pick(1, 3);
            run_->flow.startAtPlay();
        }
    }

    // One event and the pause after it, checked after each, before the event loop lets
    // unloaded screens go.
    std::string step() {
        ++events_;
        act(*acceptingScreens().at(0));
        std::string fault;
        if (!run_->nav.ended()) {
            fault = brokenInvariant();
            run_->clock.advance(pause());
        }
        if (fault.empty() && !run_->nav.ended()) {
            fault = brokenInvariant();
        }
        QCoreApplication::processEvents();
        if (fault.empty() && run_->nav.ended()) {
            newRun();
            fault = brokenInvariant();
        }
        return fault;
    }

    void act(Screen& screen) {
        const double what = uniform();
        auto* play = screen.id() == ScreenId::Play ? static_cast<FrmTezra*>(&screen) : nullptr;
        if (play && what < answerChance_) {
            answer(*play);
        } else if (what < 0.55) {
            key(screen);
        } else if (what < 0.65) {
            typeCharacter(screen);
        } else if (what < 0.75) {
            inputMethodText(screen);
        } else if (what < 0.98) {
            click(screen);
        } else {
            last_ = "the stage tune ends";
            run_->sound.finish("mmcMidi");
            run_->sound.clear();  // the log would only grow
        }
    }

    // Types the angle of the invader to shoot, and fires.
    void answer(FrmTezra& play) {
        const PlayView view = ViewOf(play);
        const int slot = run_->state.gLevel == 3 ? view.nearSlot : 0;
        const int angle =
            (play.model().playState().gInvAngle.at(slot) - view.lineAngle) * view.lineDir;
        last_ = "answer " + std::to_string(angle);
        send(play, Qt::Key_C, "c", Qt::NoModifier);  // clears what was typed before
        for (QChar c : QString::number(angle)) {
            send(play, static_cast<Qt::Key>(c.unicode()), QString(c), Qt::NoModifier);
        }
        send(play, Qt::Key_Return, "\r", Qt::NoModifier);
    }

    void key(Screen& screen) {
        static const std::vector<Qt::Key> kNamed = {
            Qt::Key_Return, Qt::Key_Enter,     Qt::Key_Space,  Qt::Key_Tab,
            Qt::Key_Escape, Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Up,
            Qt::Key_Down,   Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home};
        const bool shift = chance(0.2);
        const double kind = uniform();
        Qt::Key k;
        QString text;
        if (kind < 0.25) {
            k = static_cast<Qt::Key>(Qt::Key_F1 + pick(0, 11));
        } else if (kind < 0.55) {
            k = anyOf(kNamed);
            text = k == Qt::Key_Space                          ? " "
                   : k == Qt::Key_Return || k == Qt::Key_Enter ? "\r"
                   : k == Qt::Key_Escape                       ? "\x1b"
                                                               : "";
        } else if (kind < 0.85) {
            const int digit = pick(0, 9);
            k = static_cast<Qt::Key>(Qt::Key_0 + digit);
            text = shift ? QString(QChar(u"=!\"#$%&'()"[digit])) : QString::number(digit);
        } else {
            const int letter = pick(0, 25);
            k = static_cast<Qt::Key>(Qt::Key_A + letter);
            text = QChar((shift ? 'A' : 'a') + letter);
        }
        last_ = "key " + std::to_string(static_cast<int>(k)) + (shift ? " with shift" : "");
        send(screen, k, text, shift ? Qt::ShiftModifier : Qt::NoModifier);
    }

    // A character typed with no key code, as a keyboard layout or a compose key delivers it.
    void typeCharacter(Screen& screen) {
        const QString text = randomText(1);
        last_ = "character " + text.toStdString();
        send(screen, Qt::Key_unknown, text, Qt::NoModifier);
    }

    void inputMethodText(Screen& screen) {
        QInputMethodEvent event;
        event.setCommitString(randomText(pick(1, 4)));
        last_ = "input method " + event.commitString().toStdString();
        QWidget* target = screen.focusWidget() ? screen.focusWidget() : &screen;
        QApplication::sendEvent(target, &event);
    }

    // A click anywhere in the window, or on one of its buttons to get somewhere.
    void click(Screen& screen) {
        QPoint at(pick(0, screen.width() - 1), pick(0, screen.height() - 1));
        std::vector<QAbstractButton*> buttons;
        for (QAbstractButton* b : screen.findChildren<QAbstractButton*>()) {
            if (b->isVisible() && b->isEnabled()) {
                buttons.push_back(b);
            }
        }
        if (!buttons.empty() && chance(0.3)) {
            QAbstractButton* b = anyOf(buttons);
            at = b->mapTo(&screen, b->rect().center());
            last_ = "click on " + b->objectName().toStdString();
        } else {
            last_ = "click at " + std::to_string(at.x()) + "," + std::to_string(at.y());
        }
        // A press may close the window: a release would then find none.
        const QPointer<QWindow> window = screen.windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        if (window) {
            QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        }
    }

    void send(Screen& screen, Qt::Key k, const QString& text, Qt::KeyboardModifiers mods) {
        // As the platform delivers a key, without QTest's extra Shift events: a key that
        // closes the window leaves nothing to deliver them to.
        const QPointer<QWindow> window = screen.windowHandle();
        qt_handleKeyEvent(window, QEvent::KeyPress, k, mods, text);
        if (window) {
            qt_handleKeyEvent(window, QEvent::KeyRelease, k, mods, text);
        }
    }

    QString randomText(int length) {
        static const std::u32string kPool =
            U"0123456789０１２３４５６７８９あいうえおかがんーアイウエオヴｱｲｳ漢字、。!?-+ "
            U"abcXYZ\t\u00e9\U0001F600";
        QString text;
        for (int i = 0; i < length; ++i) {
            const char32_t c = anyOf(kPool);
            text += QString::fromUcs4(&c, 1);
        }
        return text;
    }

    // Mostly the pace of a child at the keyboard, sometimes a class that has gone to lunch.
    std::int64_t pause() {
        struct Band {
            double upTo;  // of the cumulative chance
            int minMs, maxMs;
        };
        static const Band kBands[] = {
            {0.6, 0, 200}, {0.9, 200, 5'000}, {0.99, 5'000, 120'000}, {1.0, 120'000, 1'800'000}};
        if (answerChance_ > 0.5) {
            return pick(50, 1'500);  // the good pupil does not wander off
        }
        const double u = uniform();
        for (const Band& band : kBands) {
            if (u < band.upTo) {
                return pick(band.minMs, band.maxMs);
            }
        }
        return 0;
    }

    std::vector<Screen*> acceptingScreens() const {
        const QWidget* modal = QApplication::activeModalWidget();
        std::vector<Screen*> out;
        for (ScreenId id : kAllScreens) {
            Screen* s = run_->nav.find(id);
            if (s && s->isVisible() && s->isEnabled() && (!modal || modal == s)) {
                out.push_back(s);
            }
        }
        return out;
    }

    std::string brokenInvariant() {
        const std::vector<Screen*> accepting = acceptingScreens();
        if (accepting.size() != 1) {
            return std::to_string(accepting.size()) + " screens take input";
        }
        screensSeen_.insert(accepting[0]->id().as<ScreenId>());
        // A screen lives on for a moment after its unload; none of its timers may run then.
        for (ScreenId id : kAllScreens) {
            if (Screen* s = run_->nav.find(id)) {
                seen_.insert(s);
            }
        }
        for (auto it = seen_.begin(); it != seen_.end();) {
            if (it->isNull()) {
                it = seen_.erase(it);
            } else if (!run_->nav.isLoaded(*it) && AnyTimerRunning(**it)) {
                return "a timer runs on an unloaded screen";
            } else {
                ++it;
            }
        }
        const GameState& g = run_->state;
        if (g.gScore < 0 || g.gHiScore < 0) {
            return "score below 0";
        }
        if (auto* play = static_cast<FrmTezra*>(run_->nav.find(ScreenId::Play))) {
            const PlayState& p = play->model().playState();
            for (int slot = 0; slot < 3; ++slot) {
                const int angle = p.gInvAngle[slot];
                const int dist = p.gInvDist[slot];
                if (!InRange(angle, 0, 180) && angle != kRetiredSlot && angle != kEmptySlot) {
                    return "invader angle " + std::to_string(angle);
                }
                if (!InRange(dist, 0, 290) && dist != kEmptySlot) {
                    return "invader distance " + std::to_string(dist);
                }
            }
            if (!InRange(p.gTarget, 0, 2) && p.gTarget != kEmptySlot) {
                return "target slot " + std::to_string(p.gTarget);
            }
            if (!InRange(p.gInputAngle, 0, 999)) {
                return "typed angle " + std::to_string(p.gInputAngle);
            }
            const PlayView view = ViewOf(*play);
            if (!InRange(g.gLevel, 1, 3) || !InRange(g.gStage, 1, 3)) {
                return "level " + std::to_string(g.gLevel) + " stage " + std::to_string(g.gStage);
            }
            if (!InRange(view.nearSlot, 0, 2) || !InRange(view.lineAngle, 0, 180) ||
                (view.lineDir != 1 && view.lineDir != -1) || view.busy < 0) {
                return "play screen state out of range";
            }
            const bool keysCount =
                view.phase == PlayPhase::Aiming || view.phase == PlayPhase::MissFollowUp;
            if (keysCount != (view.busy == 0)) {
                return "phase " + std::to_string(static_cast<int>(view.phase)) + " with busy " +
                       std::to_string(view.busy);
            }
            if (accepting[0] == play) {
                stagesSeen_.emplace(g.gLevel, g.gStage);
            }
        }
        return {};
    }

    bool chance(double p) { return uniform() < p; }
    double uniform() { return std::uniform_real_distribution<double>(0, 1)(rng_); }
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    template <typename C>
    const typename C::value_type& anyOf(const C& items) {
        return items[pick(0, static_cast<int>(std::size(items)) - 1)];
    }

    std::uint32_t seed_;
    std::mt19937 rng_;
    QTemporaryDir folder_;
    std::unique_ptr<MonkeyRun> run_;
    std::int64_t elapsedMs_ = 0;
    long events_ = 0;
    int runs_ = 0;
    double answerChance_ = 0;
    std::string last_;
    std::set<QPointer<Screen>> seen_;
    std::set<ScreenId> screensSeen_;
    std::set<std::pair<int, int>> stagesSeen_;
};

class MonkeyTest : public ::testing::TestWithParam<std::uint32_t> {};

// Four seeds of 25 virtual hours each: 100 hours in all, split for a two-core run.
TEST_P(MonkeyTest, EveryScreenSurvivesRandomInput) {
    Monkey monkey(GetParam());
    const std::string fault = monkey.playFor(25);
    std::printf(
        "monkey seed %u: %.1f virtual hours, %ld events, %d runs, %zu screens, %zu stages\n",
        GetParam(), monkey.hours(), monkey.events(), monkey.runs(), monkey.screensSeen().size(),
        monkey.stagesSeen().size());
    ASSERT_EQ(fault, "");
    for (ScreenId id : kAllScreens) {
        EXPECT_TRUE(monkey.screensSeen().count(id)) << "never reached screen " << int(id);
    }
    EXPECT_EQ(monkey.stagesSeen().size(), 9u);
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyTest, ::testing::Values(11u, 55u, 33u, 44u));
}  // namespace
