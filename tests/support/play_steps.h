#pragma once

#include <QPointF>
#include <cmath>
#include <ostream>
#include <vector>

#include "screens/stand_in_screen.h"
#include "support/play_fixture.h"

// Steps the play tests share: pinning invaders where a case needs them and reading the field.
class PlayStepsTest : public PlayFixture {
  protected:
    // The play screen freshly set up on the level and stage, nothing running but the prompt and
    // nothing on the field.
    FrmTezra& restartEmpty(int level, int stage) {
        if (nav.find(FrmTezra::kName)) {
            stopTimers();
        }
        restart(level, stage);
        clearField();
        return play();
    }
    void stopTimers() {
        FrmTezra& s = play();
        for (auto& timer : s.tmrInv) {
            timer->setEnabled(false);
        }
        for (GameTimer* timer :
             {s.tmrOugi.get(), s.tmrS.get(), s.tmrAfterHit.get(), s.tmrAfterMiss.get(),
              s.tmrMsgSClear.get(), s.tmrGameOver1.get(), s.tmrGameOver2.get()}) {
            timer->setEnabled(false);
        }
    }
    // Puts an invader at angle and distance and stops it there.
    void pin(int slot, int angle, int dist) {
        state.gInvAngle[slot] = angle;
        state.gInvDist[slot] = dist;
        play().tmrInv[slot]->setEnabled(false);
    }
    // Takes every invader off the field so that nothing walks in during a case.
    void clearField() {
        for (int slot = 0; slot < 3; ++slot) {
            pin(slot, 999, 999);
        }
    }
    // Runs the fan and the flight until the shot is judged; returns the milliseconds it took.
    std::int64_t advanceToJudgement() {
        const std::int64_t from = clock.now();
        clock.advanceUntil([&] { return !play().tmrOugi->enabled() && !play().tmrS->enabled(); },
                           3000);
        return clock.now() - from;
    }
    std::vector<Drawing> drawn(Drawing::Kind kind) {
        std::vector<Drawing> out;
        for (const Drawing& d : play().picMain->displayList()) {
            if (d.kind == kind) {
                out.push_back(d);
            }
        }
        return out;
    }
    // Where a field point is on screen, in the coordinates of the field's children.
    QPoint onScreen(double x, double y) {
        const QPointF p = play().picMain->toScreen(x, y);
        return {FieldCanvas::kBorder + static_cast<int>(std::lround(p.x())),
                FieldCanvas::kBorder + static_cast<int>(std::lround(p.y()))};
    }
    // Replaces a stand-in screen by one that first notes the level and stage it was shown at.
    using Shows = std::shared_ptr<std::vector<std::pair<int, int>>>;
    Shows recordShows(const QString& name, StandInScreen::Effect effect = nullptr) {
        auto shows = std::make_shared<std::vector<std::pair<int, int>>>();
        nav.registerScreen(name, [name, effect, shows](Services& s) {
            return std::make_unique<StandInScreen>(s, name, [effect, shows](Services& sv) {
                shows->emplace_back(sv.state.gLevel, sv.state.gStage);
                if (effect) {
                    effect(sv);
                }
            });
        });
        return shows;
    }
    int count(const std::vector<QString>& sounds, const QString& line) {
        return static_cast<int>(std::count(sounds.begin(), sounds.end(), line));
    }
};
