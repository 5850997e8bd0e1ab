#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <utility>

#include "sound/sound_command.h"

// The two kinds of sound device the game uses.
enum class DeviceType { WaveAudio, Sequencer };

// One invisible sound device of a screen. Every call returns at once and never fails: a missing
// file, a missing sound font or no audio device simply gives silence.
// The command flag is part of the device's contract: screens set it to false before some
// commands, as the game's design does, and it changes nothing that is heard.
class SoundDevice {
  public:
    virtual ~SoundDevice() = default;
    virtual void setFileName(const QString& path) = 0;
    virtual void setCommandFlag(bool flag) = 0;
    virtual void command(SoundCommand cmd) = 0;

    // Called on the UI thread when a piece played with "play" has ended.
    void onDone(std::function<void()> handler) { done_ = std::move(handler); }

  protected:
    // The handler may send commands to this device; nothing of the device is touched after it.
    void notifyDone() {
        if (done_) {
            done_();
        }
    }

  private:
    std::function<void()> done_;
};

// Plays the device's effect from its start, the command flag cleared first.
inline void StartEffect(SoundDevice& device) {
    device.setCommandFlag(false);
    device.command(SoundCommand::Sound);
}

// Makes the devices of a screen. `name` is the control's name, used by tests and diagnostics.
class SoundSystem {
  public:
    virtual ~SoundSystem() = default;
    virtual std::unique_ptr<SoundDevice> create(DeviceType type, const QString& name) = 0;
    // Whether the sound reaches an audio output at all.
    virtual bool hasAudioOutput() const { return true; }
    // The lesson's volume (0-100) from now on: for the effects that start after it, and for the
    // music at once. What sounds stays as it is: nothing stops, nothing is late.
    virtual void setVolume(int /*volume*/) {}
};
