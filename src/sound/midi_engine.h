#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include <fluidsynth.h>

// Where the music goes.
enum class MidiOutput {
    Speakers,  // the sound server or the sound card; silence when there is none
    Discard,   // rendered in real time and thrown away: music runs (and ends) with no audio device
};

// The one software synthesizer of a run, shared by every music device. Starting it (opening
// the output, loading the sound font) takes a while, so it happens on a thread of its own and
// the game never waits for it: until it is ready, and for ever if it cannot be, withSynth()
// refuses and the music is silent.
class MidiEngine {
  public:
    enum class State { Starting, Ready, Silent };

    // `gain` (0-1) scales the music; at 0 it is silent but plays in its own time all the same.
    MidiEngine(MidiOutput output, QStringList soundFonts, float gain);
    ~MidiEngine();
    MidiEngine(const MidiEngine&) = delete;
    MidiEngine& operator=(const MidiEngine&) = delete;

    State state() const { return state_.load(); }

    // The music's new gain, at once; while the synthesizer starts, from its first note.
    void setGain(float gain);

    // Runs `work` on the synthesizer while no audio is being rendered, which is what creating
    // and deleting players needs. Returns false, without running it, unless the engine is ready.
    bool withSynth(const std::function<void(fluid_synth_t*)>& work);

    // The General MIDI sound font of the system first, then any other one beside it.
    static QStringList systemSoundFonts();

  private:
    void start(MidiOutput output, const QStringList& soundFonts);
    bool openSpeakers();
    void runDiscard();
    void stopOutput();
    bool loadSoundFont(const QStringList& soundFonts);
    static int render(void* engine, int len, int nfx, float* fx[], int nout, float* out[]);

    std::atomic<State> state_{State::Starting};
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    std::mutex renderLock_;  // also guards gain_, and synth_ while it is made
    float gain_;

    std::thread discardThread_;
    std::mutex discardLock_;
    std::condition_variable discardWake_;
    bool discardStop_ = false;

    std::thread starter_;
};
