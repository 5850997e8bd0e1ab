#pragma once

#include <QString>
#include <QStringList>

#include "persist/lesson_settings.h"
#include "state/checked_int.h"

// What screens keep for the rest of a run of the program, across their own loads: each screen
// counts on from where it stopped when it is shown again. A fresh object starts a fresh run.
struct RunMemory {
    Int16 gameOverTick;          // the game-over screen's blink counter, 0 to 3
    Int16 allClearMsg;           // the all-clear ending's message steps, 0 to 12
    Int16 allClearPaint;         // invaders painted in the all-clear's current painting phase
    LessonSettings settings;     // the teacher's settings for this run
    QStringList lockedSettings;  // the settings the school fixes
    bool startedMuted = false;   // the run never loads its sound: un-muting waits for a new start
    QString playerName;          // the name the child gave, for the record; empty unless asked
};
