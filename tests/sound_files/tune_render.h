#pragma once

#include <filesystem>
#include <string>

// A tune played offline through FluidSynth with a General MIDI sound font, as the game plays it.
struct RenderedTune {
    std::string error;          // empty when the tune was played
    double seconds = 0.0;       // until the player reached the end of the file
    double rms = 0.0;           // of the whole piece, full scale = 1
    double longestQuiet = 0.0;  // longest stretch, in seconds, with nothing audible
};

RenderedTune renderTune(const std::filesystem::path& midiFile,
                        const std::filesystem::path& soundFont);
