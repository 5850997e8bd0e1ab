#pragma once

#include <QString>
#include <QStringList>

#include "sound/sound_device.h"

// The real sound stack (Qt Multimedia, FluidSynth and all they pull in) lives in a plugin, so
// that the program starts without it. The plugin exports this one function, which makes a new
// sound system on the thread that calls it, at the lesson's volume (0-100).
#define TEZRA_SOUND_PLUGIN_ENTRY "tezra_make_sound_system"
using MakeSoundSystem = SoundSystem* (*)(int volume);

// Where the plugin may be: beside the program, then in the library folder of an install.
QStringList SoundPluginPaths(const QString& programDir);

// Loads the first of `paths` that gives a working plugin. A plugin is code run as the player, so
// only a regular file itself (not a link), owned by root or by the user who plays and writable
// by nobody else, is loaded; any other is refused with one line on standard error, while a
// missing one is passed over in silence. Returns nullptr when none works. May take a while:
// call it off the UI thread.
MakeSoundSystem LoadSoundPlugin(const QStringList& paths);
