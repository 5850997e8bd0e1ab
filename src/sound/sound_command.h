#pragma once

#include <QString>

// The commands a real device understands; anything else is ignored.
enum class SoundCommand { Open, Sound, Prev, Play, Seek, Stop, Close, Unknown };

// Case and surrounding blanks do not matter: "Play", " play" and "play" are the same command.
SoundCommand parseSoundCommand(const QString& text);
