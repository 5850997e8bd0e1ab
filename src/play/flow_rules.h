#pragma once

#include <QString>

// Ticks of the pause after a hit.
struct HitFollowUp {
    int hideTick;
    int endTick;
};
HitFollowUp HitFollowUpFor(int level);

// Ticks of the shake after a miss.
struct MissFollowUp {
    int lastShakeTick;
    int putBackTick;
    int endTick;
};
MissFollowUp MissFollowUpFor(int level);

// What the stage-clear message does on a tick.
enum class ClearStep { Nothing, ShowAndSound, Show, Hide, End };
ClearStep ClearStepFor(int clearTick);

// The two lines of the game-over message as typed after typeTick ticks.
QString OverLine0(int rel, int typeTick);
QString OverLine1(int typeTick);
// The sound of a typing tick: none, the click, or the gun at the end.
enum class TypeSound { None, Click, Gun };
TypeSound TypeSoundFor(int typeTick);
