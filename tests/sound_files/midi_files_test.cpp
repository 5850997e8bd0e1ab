#include <gtest/gtest.h>

#include <algorithm>

#include "game_files.h"
#include "midi_file.h"
#include "tune_render.h"

namespace {

constexpr const char* kTunes[] = {"midi0001.mid", "midi0002.mid", "midi0003.mid"};
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int kDrumChannel = 9;

MidiFile readTune(const char* name) {
    MidiFile midi;
    std::string error;
    EXPECT_TRUE(parseMidi(readGameFile(name), midi, error)) << name << ": " << error;
    return midi;
}

TEST(StageTunes, AreWellFormedGeneralMidiWithDrums) {
    for (const char* name : kTunes) {
        SCOPED_TRACE(name);
        const MidiFile midi = readTune(name);
        EXPECT_EQ(midi.format, 1);
        ASSERT_GE(midi.tracks.size(), 4u);
        bool drums = false;
        for (const MidiTrackSummary& track : midi.tracks) {
            EXPECT_EQ(track.hangingNotes, 0) << "a note is never released";
            for (int channel : track.channels) {
                drums |= channel == kDrumChannel;
                // Melodic channels choose their instrument instead of relying on a default.
                if (channel != kDrumChannel) {
                    EXPECT_FALSE(track.programs.empty()) << "channel " << channel;
                }
            }
        }
        EXPECT_TRUE(drums);
    }
}

// The game restarts a tune when it ends: every track must stop together on a bar line, or the
// loop stumbles.
TEST(StageTunes, EndTogetherOnABarLine) {
    for (const char* name : kTunes) {
        SCOPED_TRACE(name);
        const MidiFile midi = readTune(name);
        ASSERT_FALSE(midi.tracks.empty());
        const std::uint32_t end = midi.tracks.front().endTick;
        for (const MidiTrackSummary& track : midi.tracks) {
            EXPECT_EQ(track.endTick, end);
        }
        ASSERT_GT(midi.ticksPerBar(), 0u);
        EXPECT_EQ(end % midi.ticksPerBar(), 0u);
    }
}

TEST(StageTunes, EachStageHasItsOwnTune) {
    std::vector<std::vector<int>> melodies;
    for (const char* name : kTunes) {
        const MidiFile midi = readTune(name);
        ASSERT_GE(midi.tracks.size(), 2u);
        melodies.push_back(midi.tracks[1].pitches);
    }
    EXPECT_NE(melodies[0], melodies[1]);
    EXPECT_NE(melodies[1], melodies[2]);
    EXPECT_NE(melodies[0], melodies[2]);
}

TEST(StageTunes, PlayAudiblyForAtLeastHalfAMinuteThroughTheSoundFont) {
    for (const char* name : kTunes) {
        SCOPED_TRACE(name);
        const RenderedTune tune = renderTune(gameDir() / name, kSoundFont);
        ASSERT_EQ(tune.error, "");
        EXPECT_GE(tune.seconds, 30.0);
        EXPECT_LE(tune.seconds, 90.0);
        EXPECT_GE(tune.rms, 0.005);
        EXPECT_LE(tune.longestQuiet, 1.0) << "the music drops out";
    }
}

}  // namespace
