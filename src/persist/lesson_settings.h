#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <set>

#include "core/angle_grid.h"

// What a teacher may change about a lesson. The defaults are the game as designed: with nothing
// set anywhere, nothing changes.
struct LessonSettings {
    bool mute = false;              // no sound at all
    int volume = 100;               // effects and music together, 0-100
    std::set<int> levels{1, 2, 3};  // the levels a child may choose
    bool practice = false;          // no time pressure
    bool showAnswer = false;        // a miss shows the right angle
    bool calm = false;              // no flashing
    bool keypad = false;            // large keys on the screen
    bool fullscreen = false;
    std::optional<int> scale;  // 1-8; none: Qt's own choice
    bool askName = false;
    AngleGrid grid;  // the angles invaders stand at, the entry takes and the record counts

    bool operator==(const LessonSettings&) const = default;
};

// Every setting's name, as the files and the command line spell it.
QStringList SettingNames();

// Sets one setting from its text ("true", "40", "1,2"). Returns false, changing nothing, for an
// unknown name or a value out of range or of the wrong kind. An empty scale is Qt's own choice.
bool SetSetting(LessonSettings& settings, const QString& name, const QString& text);

// One setting's value as SetSetting reads it back; empty for an unknown name.
QString SettingText(const LessonSettings& settings, const QString& name);
