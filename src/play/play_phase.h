#pragma once

// What the play screen is doing now. Each sequence sets it as it starts, so that key handling
// and tests need not infer it from which timers run.
enum class PlayPhase {
    Aiming,        // invaders walk; the player types and fires
    Fan,           // the red fan sweeps the typed angle
    Shot,          // the shot line grows towards the rim
    HitFollowUp,   // the hit invader bursts and the next round is prepared
    MissFollowUp,  // the field shakes; the player may already aim again
    StageClear,    // the stage-clear message blinks
    GameOver,      // the field flashes and the attacker's angle is typed out
    AllClear,      // play ended with the last stage; the ending screen is up
};
