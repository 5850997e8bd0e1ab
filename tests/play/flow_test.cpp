#include "art/colours.h"
#include "kit/keys.h"
#include "play/flow_rules.h"
#include "play/stage_rules.h"
#include "state/angles.h"
#include "support/play_steps.h"

TEST(FlowRules, FollowUpTicksByLevel) {
    for (int level : {1, 2, 3}) {
        const HitFollowUp hit = HitFollowUpFor(level);
        const MissFollowUp miss = MissFollowUpFor(level);
        const bool hard = level == 3;
        EXPECT_EQ(std::pair(hit.hideTick, hit.endTick), hard ? std::pair(2, 6) : std::pair(3, 15));
        EXPECT_EQ(std::tuple(miss.lastShakeTick, miss.putBackTick, miss.endTick),
                  hard ? std::tuple(4, 5, 8) : std::tuple(8, 9, 18));
    }
}

TEST(FlowRules, StageClearMessageBlinksThreeTimes) {
    std::string shown;
    for (int tick = 1; tick <= 16; ++tick) {
        switch (ClearStepFor(tick)) {
            case ClearStep::ShowAndSound:
                shown += 'S';
                break;
            case ClearStep::Show:
                shown += '+';
                break;
            case ClearStep::Hide:
                shown += '-';
                break;
            case ClearStep::End:
                shown += 'E';
                break;
            case ClearStep::Nothing:
                shown += '.';
                break;
        }
    }
    EXPECT_EQ(shown, "S...-+...-+...-E");
}

TEST(FlowRules, GameOverMessageIsTypedCharacterByCharacter) {
    EXPECT_EQ(OverLine0(180, 0), "180゜");
    EXPECT_EQ(OverLine0(180, 4), "180゜からの ");
    EXPECT_EQ(OverLine0(180, 11), "180゜からの こうげきをうけ");
    EXPECT_EQ(OverLine0(30, 12), "30゜からの こうげきをうけ");
    EXPECT_EQ(OverLine1(13), "地");
    EXPECT_EQ(OverLine1(16), "地球は ");
    EXPECT_EQ(OverLine1(23), "地球は めつぼうした。");
    std::string sounds;
    for (int tick = 0; tick < 50; ++tick) {
        const TypeSound s = TypeSoundFor(tick);
        sounds += s == TypeSound::Click ? 'c' : s == TypeSound::Gun ? 'G' : '.';
    }
    EXPECT_EQ(sounds,
              "cccc.ccccccc.ccc.cccccc"
              "G" +
                  std::string(26, '.'));
}

class FlowTest : public PlayStepsTest {
  protected:
    // Fires at a pinned invader and runs the shot to its judgement.
    void hitPinned(int angle, int dist) {
        pin(0, angle, dist);
        play().imgInv[0]->show();
        fire(angle);
        advanceToJudgement();
        ASSERT_TRUE(play().tmrAfterHit->enabled());
    }
    void missOnce() {
        fire(50);
        advanceToJudgement();
        ASSERT_TRUE(play().tmrAfterMiss->enabled());
    }
    bool clearShown() {
        const bool white = play().lblClearMsg[1]->isVisibleTo(&play().screen);
        EXPECT_EQ(play().lblClearMsg[0]->isVisibleTo(&play().screen), white);
        return white;
    }
    // Lets an invader at 90 degrees walk in from close by.
    void invaderArrives(int slot = 0, int angle = 90) {
        pin(slot, angle, 21);
        play().tmrInv[slot]->setInterval(50);
        play().tmrInv[slot]->setEnabled(true);
        clock.advanceUntil([&] { return play().tmrGameOver1->enabled(); }, 3000);
        ASSERT_TRUE(play().tmrGameOver1->enabled());
    }
};

TEST_F(FlowTest, HitFollowUpHidesTheInvaderThenPlacesTheNextRound) {
    struct Case {
        int level, hideTick, endTick;
    };
    for (const Case c : {Case{1, 3, 15}, Case{2, 3, 15}, Case{3, 2, 6}}) {
        SCOPED_TRACE(testing::Message() << "level " << c.level);
        PlayProbe& s = restartEmpty(c.level, 1);
        hitPinned(40, 160);
        for (int tick = 1; tick <= c.endTick; ++tick) {
            advance(100);
            if (tick < c.endTick) {
                EXPECT_EQ(s.imgInv[0]->isVisibleTo(&s.screen), tick < c.hideTick) << tick;
                EXPECT_TRUE(s.model.busy()) << tick;
                EXPECT_TRUE(s.lblHitMsg->isVisibleTo(&s.screen)) << tick;
                EXPECT_EQ(s.lblHitPoint->isVisibleTo(&s.screen), c.level != 1) << tick;
                EXPECT_EQ(round().gInvDist[0], 160) << tick;
            }
        }
        // The next round is up.
        EXPECT_FALSE(s.model.busy());
        EXPECT_EQ(round().gInvDist[0], 290);
        EXPECT_TRUE(s.tmrInv[0]->enabled());
        EXPECT_FALSE(s.tmrAfterHit->enabled());
        EXPECT_FALSE(s.lblHitMsg->isVisibleTo(&s.screen));
        EXPECT_FALSE(s.lblHitPoint->isVisibleTo(&s.screen));
    }
}

TEST_F(FlowTest, MissFollowUpShakesThenPutsTheFieldBack) {
    struct Case {
        int level, stage, shakes, putBack, end;
    };
    for (const Case c : {Case{1, 1, 8, 9, 18}, Case{2, 3, 8, 9, 18}, Case{3, 3, 4, 5, 8}}) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << " stage " << c.stage);
        PlayProbe& s = restartEmpty(c.level, c.stage);
        s.round.mLineAngle = 0;
        s.round.mLineDir = 1;
        s.picMain->move(s.picMain->x(), 36);
        missOnce();
        int top = 36;
        for (int tick = 1; tick <= c.end; ++tick) {
            advance(s.tmrAfterMiss->interval());
            if (tick <= c.shakes) {
                top += tick % 2 == 1 ? -2 : 2;
            } else if (tick == c.putBack) {
                top = 35;
            }
            EXPECT_EQ(s.picMain->y(), top) << tick;
            EXPECT_EQ(s.lblHitMsg->isVisibleTo(&s.screen), tick < c.end) << tick;
            EXPECT_EQ(s.tmrAfterMiss->enabled(), tick < c.end) << tick;
        }
        EXPECT_FALSE(s.model.busy());
        // The round goes on: no new invaders after a miss; in stage 3 the arrow is back.
        EXPECT_EQ(round().gRest, RulesForLevel(c.level)->invaders);
        EXPECT_EQ(s.lblArw->isVisibleTo(&s.screen), c.stage == 3);
    }
}

TEST_F(FlowTest, PhaseFollowsAHitRoundAndAMissRound) {
    PlayProbe& s = restartEmpty(1, 1);
    EXPECT_EQ(s.phase(), PlayPhase::Aiming);
    std::vector<PlayPhase> seen;
    const auto connection = QObject::connect(&s.model, &PlayModel::phaseChanged,
                                             [&](PlayPhase phase) { seen.push_back(phase); });
    pin(0, 40, 160);
    fire(40);
    EXPECT_EQ(s.phase(), PlayPhase::Fan);
    advance(3000);
    using P = PlayPhase;
    EXPECT_EQ(seen, (std::vector{P::Fan, P::Shot, P::HitFollowUp, P::Aiming}));

    seen.clear();
    clearField();
    fire(50);
    advance(3000);
    EXPECT_EQ(seen, (std::vector{P::Fan, P::Shot, P::MissFollowUp, P::Aiming}));
    QObject::disconnect(connection);
}

TEST_F(FlowTest, PromptBlinksAndTellsWhatToDo) {
    PlayProbe& s = restartEmpty(1, 1);
    s.tmrWatch->setEnabled(true);
    const QColor purple(127, 0, 127);
    const QColor blue(0, 0, 127);
    std::string seen;
    for (int tick = 1; tick <= 12; ++tick) {
        advance(400);
        seen += s.lblMsg[0]->isVisibleTo(&s.screen) ? '+' : '.';
        EXPECT_EQ(s.lblMsg[0]->caption(), "キーボードから角度を入れてください");
        EXPECT_EQ(s.lblMsg[0]->background(), purple);
        EXPECT_TRUE(s.cmdHelp->isEnabled());
        EXPECT_TRUE(s.Frame1->isEnabled());
    }
    // Four ticks on, one off, and the tick that starts the count again.
    EXPECT_NE(std::string("++++..++++..++++..").find(seen), std::string::npos) << seen;

    type("15");
    advance(400);
    EXPECT_TRUE(s.lblMsg[0]->isVisibleTo(&s.screen));
    EXPECT_EQ(s.lblMsg[0]->caption(), "発射準備　ＯＫ !!");
    EXPECT_EQ(s.lblMsg[0]->background(), blue);
    EXPECT_FALSE(s.cmdHelp->isEnabled());
    EXPECT_FALSE(s.Frame1->isEnabled());

    key(Qt::Key_Space, " ");
    EXPECT_FALSE(s.lblMsg[0]->isVisibleTo(&s.screen));
    advance(400);
    EXPECT_FALSE(s.lblMsg[0]->isVisibleTo(&s.screen));
    EXPECT_FALSE(s.cmdHelp->isEnabled());
    EXPECT_FALSE(s.Frame1->isEnabled());
}

TEST_F(FlowTest, LastHitOfAStageBlinksTheClearMessageAndBriefsTheNextStage) {
    const Shows briefings = recordShows(ScreenId::Briefing);
    PlayProbe& s = restartEmpty(1, 1);
    round().gRest = 1;
    hitPinned(40, 160);
    const int score = state.gScore;
    auto mark = soundMark();
    advance(1500);
    EXPECT_EQ(soundsSince(mark), (std::vector<QString>{"mmcMidi: stop", "mmcMidi: close"}));
    EXPECT_EQ(s.mBgmLoop, 0);
    EXPECT_EQ(state.gStage, 2);
    EXPECT_TRUE(s.model.busy());
    EXPECT_FALSE(s.tmrWatch->enabled());
    EXPECT_EQ(s.lblClearMsg[0]->y() - s.lblClearMsg[1]->y(), 7);

    std::string seen;
    mark = soundMark();
    for (int tick = 1; tick <= 15; ++tick) {
        advance(400);
        seen += clearShown() ? '+' : '.';
    }
    EXPECT_EQ(seen, "++++.++++.++++.");
    EXPECT_EQ(soundsSince(mark),
              (std::vector<QString>{"mmcSClear: flag=False", "mmcSClear: sound"}));
    EXPECT_TRUE(briefings->empty());

    mark = soundMark();
    advance(400);
    EXPECT_EQ(*briefings, (std::vector<std::pair<int, int>>{{1, 2}}));
    EXPECT_FALSE(clearShown());
    // The new stage is up with its own music, the score carried over.
    EXPECT_EQ(s.lblStage->caption(), "2");
    EXPECT_EQ(round().gRest, 10);
    EXPECT_EQ(state.gScore, score);
    EXPECT_FALSE(s.model.busy());
    EXPECT_TRUE(nav.isShown(ScreenId::Play));
    const auto music = sound.commandsOf("mmcMidi");
    EXPECT_EQ(music.back(), "play");
    EXPECT_EQ(music[music.size() - 2], "open");
    EXPECT_EQ(music[music.size() - 3], "FileName=" + state.gAppDir + "midi0002.mid");
}

TEST_F(FlowTest, StagesAndLevelsFollowEachOtherUpToTheAllClear) {
    const Shows briefings = recordShows(ScreenId::Briefing);
    const Shows allClear = recordShows(ScreenId::AllClear);
    const Shows title = recordShows(ScreenId::Title);
    struct Case {
        int level, stage, nextLevel, nextStage;
    };
    for (const Case c : {Case{1, 3, 2, 1}, Case{2, 2, 2, 3}, Case{2, 3, 3, 1}}) {
        PlayProbe& s = restartEmpty(c.level, c.stage);
        s.round.mLineAngle = 0;
        s.round.mLineDir = 1;
        round().gRest = 1;
        hitPinned(40, 160);
        const std::size_t before = briefings->size();
        clock.advanceUntil([&] { return briefings->size() > before; }, 20000);
        EXPECT_EQ(briefings->back(), std::pair(c.nextLevel, c.nextStage));
        EXPECT_EQ(s.lblLevel->caption(), c.nextLevel == 2 ? "ふつう" : "むずかしい");
    }
    EXPECT_EQ(briefings->size(), 3u);

    PlayProbe& s = restartEmpty(3, 3);
    s.round.mLineAngle = 0;
    s.round.mLineDir = 1;
    round().gRest = 1;
    hitPinned(40, 160);
    const auto mark = soundMark();
    advance(600);
    // Both the stage clear and the all clear stop the music.
    EXPECT_EQ(count(soundsSince(mark), "mmcMidi: stop"), 2);
    EXPECT_EQ(s.mBgmLoop, 0);
    EXPECT_EQ(count(soundsSince(mark), "mmcSClear: sound"), 0);
    EXPECT_FALSE(s.tmrMsgSClear->enabled());
    EXPECT_FALSE(clearShown());
    EXPECT_EQ(briefings->size(), 3u);
    EXPECT_EQ(*allClear, (std::vector<std::pair<int, int>>{{3, 1}}));
    EXPECT_TRUE(enterName());
    EXPECT_EQ(*title, (std::vector<std::pair<int, int>>{{3, 1}}));
    EXPECT_EQ(state.gScore, 300);
    EXPECT_FALSE(nav.find(ScreenId::Play));
}

// A lesson of chosen levels goes from one to the next it allows and ends after the highest.
TEST_F(FlowTest, ALessonsLevelsEndInTheAllClearAfterTheHighestAllowed) {
    const Shows briefings = recordShows(ScreenId::Briefing);
    const Shows allClear = recordShows(ScreenId::AllClear);
    recordShows(ScreenId::Title);
    const auto clearLevelOne = [&](std::set<int> levels) {
        run.settings.levels = std::move(levels);
        PlayProbe& s = restartEmpty(1, 3);
        s.round.mLineAngle = 0;
        s.round.mLineDir = 1;
        round().gRest = 1;
        hitPinned(40, 160);
        const std::size_t shown = briefings->size() + allClear->size();
        clock.advanceUntil([&] { return briefings->size() + allClear->size() > shown; }, 20000);
    };
    clearLevelOne({1, 3});
    EXPECT_EQ(*briefings, (std::vector<std::pair<int, int>>{{3, 1}}));
    EXPECT_TRUE(allClear->empty());

    clearLevelOne({1});
    EXPECT_EQ(*allClear, (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(briefings->size(), 1u);
}

TEST_F(FlowTest, GameOverFlashesThenTypesTheMessageAndContinues) {
    const Shows gameOver = recordShows(ScreenId::GameOver, [](GameServices& sv) {
        sv.state.gRetryFlag = 1;
        sv.state.gScore = 300;
    });
    PlayProbe& s = restartEmpty(1, 1);
    invaderArrives(0, 180);
    EXPECT_EQ(s.picMain->y(), 35);
    const QImage background = s.picMain->picture();

    // The flash, one tick at a time.
    const int flash = s.tmrGameOver1->interval();
    auto mark = soundMark();
    advance(flash);
    EXPECT_EQ(s.picMain->picture(), background);
    for (int tick = 2; tick <= 10; ++tick) {
        advance(flash);
        const bool even = tick % 2 == 0;
        EXPECT_EQ(s.picMain->y(), even ? 33 : 35) << tick;
        EXPECT_EQ(s.picMain->picture().isNull(), even) << tick;
    }
    advance(flash);
    EXPECT_EQ(s.picMain->y(), 35);
    EXPECT_EQ(s.picMain->picture(), background);
    EXPECT_TRUE(s.savedPicture.isNull());
    const std::vector<QString> den{"mmcDen: flag=False", "mmcDen: prev", "mmcDen: play"};
    std::vector<QString> twice = den;
    twice.insert(twice.end(), den.begin(), den.end());
    EXPECT_EQ(soundsSince(mark), twice);

    advance(flash);
    EXPECT_FALSE(s.tmrGameOver1->enabled());
    EXPECT_TRUE(s.tmrGameOver2->enabled());
    for (FieldLine* line : {s.Line1[0], s.Line1[1], s.Line2}) {
        EXPECT_EQ(line->colour(), kWhite);
    }
    EXPECT_EQ(s.Line2->p1(), QPointF(0, 0));
    EXPECT_NEAR(s.Line2->p2().x(), AngleX(310, 180), 1e-3);
    EXPECT_NEAR(s.Line2->p2().y(), AngleY(310, 180), 1e-3);

    // The message, one character a tick.
    const QString line0 = "180゜からの こうげきをうけ";
    const QString line1 = "地球は めつぼうした。";
    mark = soundMark();
    std::string sounds;
    for (int typeTick = 0; typeTick < 50; ++typeTick) {
        const auto before = soundMark();
        advance(100);
        const auto heard = soundsSince(before);
        sounds += heard.empty()                       ? '.'
                  : heard.back() == "mmcClick: sound" ? 'c'
                  : heard.back() == "mmcGun: sound"   ? 'G'
                                                      : '?';
        EXPECT_EQ(s.lblOverMsg[0]->caption(), line0.left(4 + std::min(typeTick, 11))) << typeTick;
        EXPECT_EQ(s.lblOverMsg[1]->caption(), line1.left(std::max(0, typeTick - 12))) << typeTick;
    }
    EXPECT_EQ(sounds,
              "cccc.ccccccc.ccc.cccccc"
              "G" +
                  std::string(26, '.'));
    EXPECT_EQ(soundsSince(mark)[0], "mmcClick: flag=False");
    EXPECT_TRUE(gameOver->empty());

    advance(100);
    EXPECT_EQ(*gameOver, (std::vector<std::pair<int, int>>{{1, 1}}));
    // Continued: the same stage from its first round, the lines red again.
    EXPECT_EQ(round().gRest, 10);
    EXPECT_EQ(state.gScore, 300);
    EXPECT_FALSE(s.model.busy());
    EXPECT_EQ(s.Line2->colour(), kRed);
    EXPECT_EQ(s.lblOverMsg[0]->caption(), "");
    EXPECT_TRUE(s.picMain->isVisibleTo(&s.screen));
    EXPECT_TRUE(s.tmrWatch->enabled());
    EXPECT_EQ(round().gInvDist[0], 290);
}

TEST_F(FlowTest, GameOverNamesTheAttackerCountedFromTheRedLine) {
    struct Case {
        int stage, lineAngle, lineDir, attacker;
        const char* line0;
    };
    for (const Case c : {Case{2, 0, 1, 30, "30゜からの こうげきをうけ"},
                         Case{3, 120, -1, 50, "70゜からの こうげきをうけ"}}) {
        PlayProbe& s = restartEmpty(1, c.stage);
        s.round.mLineAngle = c.lineAngle;
        s.round.mLineDir = c.lineDir;
        invaderArrives(0, c.attacker);
        advance(120 + 100 * 24);
        EXPECT_EQ(s.lblOverMsg[0]->caption(), c.line0);
    }
}

TEST_F(FlowTest, MissUsingUpTheScoreNamesTheNearestInvader) {
    PlayProbe& s = restartEmpty(3, 1);
    pin(0, 150, 200);
    pin(1, 20, 100);
    pin(2, 60, 250);
    state.gScore = 10;
    fire(90);
    advanceToJudgement();
    ASSERT_TRUE(s.tmrGameOver1->enabled());
    advance(120 + 100 * 24);
    EXPECT_EQ(s.lblOverMsg[0]->caption(), "20゜からの こうげきをうけ");
    EXPECT_NEAR(s.Line2->p2().x(), AngleX(310, 20), 1e-3);
}

TEST_F(FlowTest, FiringDuringTheMissShakeKeepsTheNewShot) {
    PlayProbe& s = restartEmpty(1, 1);
    // A coarse timer service stretches the 1 ms shake over the next shot's fan.
    s.tmrAfterMiss->setInterval(20);
    missOnce();
    fire(90);
    EXPECT_TRUE(s.model.busy());
    advance(18 * 20);
    EXPECT_FALSE(s.tmrAfterMiss->enabled());
    EXPECT_TRUE(s.model.busy());
    EXPECT_EQ(s.picMain->y(), 35);
    EXPECT_EQ(drawn(Drawing::Kind::Pie).size(), 6u);
    advanceToJudgement();
    EXPECT_EQ(drawn(Drawing::Kind::Pie).size(), 9u);
    EXPECT_EQ(s.lblHitMsg->caption(), "ミス !!");
    EXPECT_EQ(s.lblHitAngle->caption(), "90゜");
    EXPECT_EQ(state.gScore, 240);
}

TEST_F(FlowTest, MissingAgainDuringTheShakeStartsItAfresh) {
    PlayProbe& s = restartEmpty(1, 1);
    s.tmrAfterMiss->setInterval(100);
    missOnce();
    fire(10);
    advanceToJudgement();  // 400 ms: the first shake is still under way
    EXPECT_TRUE(s.tmrAfterMiss->enabled());
    // The new shake runs its full 18 ticks.
    advance(17 * 100);
    EXPECT_TRUE(s.tmrAfterMiss->enabled());
    advance(100);
    EXPECT_FALSE(s.tmrAfterMiss->enabled());
    EXPECT_EQ(s.picMain->y(), 35);
    EXPECT_FALSE(s.lblHitMsg->isVisibleTo(&s.screen));
    EXPECT_FALSE(s.model.busy());
}

TEST_F(FlowTest, InvaderArrivingDuringTheHitPauseEndsTheGameOnly) {
    const Shows briefings = recordShows(ScreenId::Briefing);
    const Shows gameOver = recordShows(ScreenId::GameOver, [](GameServices& sv) {
        sv.state.gRetryFlag = 1;
        sv.state.gScore = 300;
    });
    PlayProbe& s = restartEmpty(3, 1);
    round().gRest = 1;  // the hit ends the stage, were it not for the attacker
    pin(1, 150, 200);
    hitPinned(40, 160);
    const auto mark = soundMark();
    invaderArrives(1, 150);
    EXPECT_FALSE(s.tmrAfterHit->enabled());
    clock.advanceUntil([&] { return !gameOver->empty(); }, 10000);
    EXPECT_EQ(count(soundsSince(mark), "mmcMidi: stop"), 1);
    EXPECT_TRUE(briefings->empty());
    EXPECT_EQ(state.gStage, 1);
    EXPECT_EQ(round().gRest, 20);
    advance(5000);
    EXPECT_EQ(gameOver->size(), 1u);
    EXPECT_TRUE(briefings->empty());
}

TEST_F(FlowTest, EndSequencesTakeHelpAndMusicAwayAtOnce) {
    PlayProbe& s = restartEmpty(1, 1);
    advance(400);
    ASSERT_TRUE(s.cmdHelp->isEnabled());
    key(Qt::Key_F1);
    ASSERT_TRUE(nav.find(ScreenId::Help));
    // The game ends under the open help.
    invaderArrives();
    EXPECT_FALSE(nav.find(ScreenId::Help));
    EXPECT_FALSE(s.cmdHelp->isEnabled());
    EXPECT_FALSE(s.Frame1->isEnabled());
    key(Qt::Key_F1);
    EXPECT_FALSE(nav.find(ScreenId::Help));
    const auto mark = soundMark();
    s.optOnOff[0]->click();
    EXPECT_EQ(state.gBgmOn, 1);
    EXPECT_TRUE(soundsSince(mark).empty());

    // The same for the stage clear.
    restartEmpty(1, 1);
    advance(400);
    round().gRest = 1;
    hitPinned(40, 160);
    advance(1500);
    ASSERT_TRUE(s.tmrMsgSClear->enabled());
    EXPECT_FALSE(s.cmdHelp->isEnabled());
    EXPECT_FALSE(s.Frame1->isEnabled());
    key(Qt::Key_F1);
    EXPECT_FALSE(nav.find(ScreenId::Help));
}

TEST_F(FlowTest, KeysDuringTheGameOverMessageAreIgnored) {
    PlayProbe& s = restartEmpty(1, 1);
    invaderArrives();
    advance(120 + 500);
    const auto mark = soundMark();
    type("45");
    key(Qt::Key_Space, " ");
    key(Qt::Key_Return, "\r");
    EXPECT_EQ(round().gInputAngle, 0);
    EXPECT_EQ(s.lblAngle->caption(), "0");
    EXPECT_FALSE(s.tmrOugi->enabled());
    for (const QString& line : soundsSince(mark)) {
        EXPECT_FALSE(line.startsWith("mmcPo")) << line.toStdString();
    }
}

TEST_F(FlowTest, ShotAfterAContinueStartsFromItsFirstTick) {
    recordShows(ScreenId::GameOver, [](GameServices& sv) { sv.state.gRetryFlag = 1; });
    PlayProbe& s = restartEmpty(1, 1);
    pin(0, 90, 60);
    round().gRest = 1;
    s.tmrInv[0]->setEnabled(true);
    fire(150);
    advance(300);  // six fan ticks in
    clock.advanceUntil([&] { return s.tmrGameOver1->enabled(); }, 3000);
    ASSERT_TRUE(s.tmrGameOver1->enabled());
    clock.advanceUntil([&] { return !s.model.busy(); }, 10000);
    ASSERT_FALSE(s.model.busy());
    clearField();
    fire(20);
    advance(50);
    EXPECT_TRUE(drawn(Drawing::Kind::Pie).empty());
    advance(50);
    const auto pies = drawn(Drawing::Kind::Pie);
    ASSERT_EQ(pies.size(), 1u);
    EXPECT_NEAR(pies[0].startDeg, kZeroEdge, 1e-6);
    EXPECT_EQ(advanceToJudgement(), 50 + 300);
}
