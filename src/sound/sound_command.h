#pragma once

// What a screen asks of a sound device.
enum class SoundCommand {
    Open,   // load the file, silent
    Sound,  // play an effect from its start
    Prev,   // rewind
    Play,   // play from where it stands
    Seek,   // rewind
    Stop,   // pause
    Close,  // let go of the file
};

// The command's lower-case name, as logs show it.
const char* SoundCommandName(SoundCommand command);
