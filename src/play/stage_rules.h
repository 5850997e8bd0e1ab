#pragma once

#include <QLineF>
#include <QString>
#include <array>
#include <optional>
#include <set>

// What a level changes on the play screen.
struct LevelRules {
    std::array<int, 4> points;  // per distance band, nearest first
    QString name;
    bool singleInvader;  // slots 1 and 2 stay empty
    bool zeroMarkShown;
    int invaders;
};
std::optional<LevelRules> RulesForLevel(int level);

// What a stage changes: the field's orientation, the red line and the music.
struct StageRules {
    double scaleWidth;
    double scaleLeft;
    std::optional<double> zeroMarkLeft;  // none: the mark is hidden
    int imageOffsetX;
    QLineF line0;
    bool line0Dotted;
    QLineF line1;
    bool line1Visible;
    QString musicFile;
};
std::optional<StageRules> RulesForStage(int stage);

enum class Placement { None, One, OneMoving, Three, ThreeMoving };
Placement PlacementFor(int level, int stage);

// The level and stage after clearing one. After a level's last stage play goes on to the next
// level the lesson allows, passing over the others; allClear when no higher one is allowed.
struct Advance {
    int level;
    int stage;
    bool allClear;
};
Advance AdvanceAfterClear(int level, int stage, const std::set<int>& levels = {1, 2, 3});
