#pragma once

#include <optional>

#include <QString>

#include "play/flow_rules.h"
#include "play/judged_shot.h"
#include "play/shot_rules.h"

// What one tick of a play sequence shows. The model steps the sequence and returns one of these;
// the screen draws and sounds it and starts the next timer.

// One step of the shot's flight: the line from the cannon, and at the rim the judgement.
struct ShotTick {
    double length = 0;
    int firedAngle = 0;  // counted from the red line
    int direction = 0;
    bool sounds = false;      // the shot is heard on its first step
    bool reachedRim = false;  // the flight is over and the shot was judged
    std::optional<int> hitSlot;
    Award award{};                     // a hit: what the points label shows
    std::optional<JudgedShot> missed;  // a miss, as judged
    bool endsGame = false;             // a miss that cost the last points
};

// One tick of the pause after a hit.
struct HitFollowUpTick {
    std::optional<int> hideSlot;  // the burst invader disappears
    bool hidePoints = false;
    bool done = false;  // the next round is due
};

// One tick of the shake after a miss.
struct MissFollowUpTick {
    int shake = 0;  // the field moves up (< 0) or down by this much
    bool putBack = false;
    bool done = false;
    bool aimingAgain = false;  // no shot was fired during the shake: the field is cleared
    bool countArrow = false;   // and the arrow of the turning red line is drawn again
};

// One step of an invader's walk: where it stood before the step, which picture it shows, when it
// steps next, and whether it reached the Earth (the game is over).
struct ApproachTick {
    int distance = 0;
    int angle = 0;
    int band = 0;
    int frame = 0;
    int interval = 0;
    bool footstep = false;  // only the nearest invader is heard, and only while play is free
    bool arrived = false;
};

// One tick of the guard: while a sequence runs the controls are taken away; otherwise the prompt
// blinks, four ticks on and one off.
enum class PromptBlink { Keep, Show, Hide };
struct WatchTick {
    bool busy = false;
    PromptBlink prompt = PromptBlink::Keep;
};

// One tick of the game-over flash: the field's picture is kept, then the field shakes and
// flickers between blank and the picture, is put back, and the typing follows.
enum class FlashStep { KeepPicture, Flicker, PutBack, Done };
struct FlashTick {
    FlashStep step = FlashStep::KeepPicture;
    int shake = 0;        // Flicker: the field moves up (< 0) or down by this much
    bool blank = false;   // Flicker: the field shows blank rather than the kept picture
    bool sounds = false;  // Flicker: the miss sound
};

// One tick of the game-over message typed out: the lines as far as typed (none where a line does
// not change), the typing sound, and whether the message is complete.
struct TypeTick {
    std::optional<QString> line0;
    std::optional<QString> line1;
    TypeSound sound = TypeSound::None;
    bool done = false;
};
