#pragma once

#include <QPointF>
#include <cmath>
#include <ostream>
#include <vector>

#include "app/screen_registry.h"
#include "support/play_fixture.h"
#include "support/stand_in_screen.h"

// Steps the play tests share: pinning invaders where a case needs them and reading the field.
class PlayStepsTest : public PlayFixture {
  protected:
    // The play screen freshly set up on the level and stage, nothing running but the prompt and
    // nothing on the field.
    PlayProbe& restartEmpty(int level, int stage) {
        if (nav.find(ScreenId::Play)) {
            play().screen.stopAllTimers();
        }
        restart(level, stage);
        clearField();
        return play();
    }
    // Puts an invader at angle and distance and stops it there.
    void pin(int slot, int angle, int dist) {
        round().gInvAngle[slot] = angle;
        round().gInvDist[slot] = dist;
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
    // At the title the recorded player stops, which ends the run.
    Shows recordShows(ScreenId id, std::function<void(GameServices&)> effect = {}) {
        auto shows = std::make_shared<std::vector<std::pair<int, int>>>();
        auto record = [effect, shows](GameServices& sv) {
            shows->emplace_back(sv.state.gLevel, sv.state.gStage);
            if (effect) {
                effect(sv);
            }
        };
        if (id != ScreenId::Title) {
            RegisterStandIn(services, flow, id, record);
            return shows;
        }
        nav.registerScreen(id, [this, record, &s = services]() {
            return std::make_unique<StandInScreen>(s, ScreenId::Title,
                                                   [this, record](StandInScreen& self) {
                                                       record(self.services());
                                                       flow.closed(self);
                                                   });
        });
        return shows;
    }
    int count(const std::vector<QString>& sounds, const QString& line) {
        return static_cast<int>(std::count(sounds.begin(), sounds.end(), line));
    }
};
