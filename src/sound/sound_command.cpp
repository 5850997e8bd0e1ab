#include "sound/sound_command.h"

#include <array>
#include <utility>

SoundCommand parseSoundCommand(const QString& text) {
    static constexpr std::array<std::pair<const char*, SoundCommand>, 7> kNames{{
        {"open", SoundCommand::Open},
        {"sound", SoundCommand::Sound},
        {"prev", SoundCommand::Prev},
        {"play", SoundCommand::Play},
        {"seek", SoundCommand::Seek},
        {"stop", SoundCommand::Stop},
        {"close", SoundCommand::Close},
    }};
    const QString word = text.trimmed();
    for (const auto& [name, command] : kNames) {
        if (word.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            return command;
        }
    }
    return SoundCommand::Unknown;
}
