#pragma once

#include <QStringList>

#include "persist/lesson_settings.h"

struct GameServices;
struct RunMemory;

// Makes the run follow the settings the teacher has just saved. The sound's volume (silence when
// muted) and full screen change at once; the rest is read as each screen is made.
void ApplySavedSettings(GameServices& services, const LessonSettings& saved);

// The settings whose change waits for the next start of the program: the display's scale, which
// Qt fixes at start, and un-muting a run that started muted, which never loaded its sound.
QStringList SettingsActingFromNextStart(const RunMemory& run);
