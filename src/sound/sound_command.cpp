#include "sound/sound_command.h"

const char* SoundCommandName(SoundCommand command) {
    switch (command) {
        case SoundCommand::Open:
            return "open";
        case SoundCommand::Sound:
            return "sound";
        case SoundCommand::Prev:
            return "prev";
        case SoundCommand::Play:
            return "play";
        case SoundCommand::Seek:
            return "seek";
        case SoundCommand::Stop:
            return "stop";
        case SoundCommand::Close:
            return "close";
    }
    return "?";
}
