#include "play/stage_rules.h"

#include "sound/sound_files.h"
#include "state/field_geometry.h"

std::optional<LevelRules> RulesForLevel(int level) {
    switch (level) {
        case 1:
            return LevelRules{{20, 30, 40, 50}, "やさしい", true, true, 10};
        case 2:
            return LevelRules{{40, 50, 60, 70}, "ふつう", true, false, 15};
        case 3:
            return LevelRules{{50, 70, 80, 90}, "むずかしい", false, false, 20};
        default:
            return std::nullopt;
    }
}

std::optional<StageRules> RulesForStage(int stage) {
    const QLineF right(0, 0, kFieldRadius, 0);
    const QLineF upperStrand(1, 1, kFieldRadius, 1);
    const QLineF up(0, 0, 0, kFieldRadius);
    // Units count from the cannon; stage 2 mirrors the field so that 0 degrees is on the left.
    const double width = kFieldWidth;
    const double left = -kFieldCannon.x();
    switch (stage) {
        case 1:
            return StageRules{
                width, left, 274, -16, right, false, upperStrand, true, kStageTuneFiles[0]};
        case 2:
            return StageRules{-width,      -left, kFieldRadius,      16, right, false,
                              upperStrand, true,  kStageTuneFiles[1]};
        case 3:
            return StageRules{width,       left,  std::nullopt,      -16, up, true,
                              upperStrand, false, kStageTuneFiles[2]};
        default:
            return std::nullopt;
    }
}

Placement PlacementFor(int level, int stage) {
    if (stage < 1 || stage > 3 || level < 1 || level > 3) {
        return Placement::None;
    }
    const bool moving = stage == 3;
    if (level == 3) {
        return moving ? Placement::ThreeMoving : Placement::Three;
    }
    return moving ? Placement::OneMoving : Placement::One;
}

Advance AdvanceAfterClear(int level, int stage, const std::set<int>& levels) {
    if (stage < 3) {
        return {level, stage + 1, false};
    }
    const auto next = levels.upper_bound(level);
    if (next == levels.end()) {
        return {level, 1, true};
    }
    return {*next, 1, false};
}
