#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "sound/sound_device.h"

// One call a device received, in the words of the device's properties: `property` is
// "FileName", "CommandFlag" or "Command"; `value` is the path, "True"/"False" or the command.
struct SoundCall {
    QString device;
    QString property;
    QString value;
    bool operator==(const SoundCall&) const = default;
};

// Sound for tests: every device it makes writes to one shared, ordered log, and tests deliver
// Done by hand. The log outlives the devices, and the devices may outlive the system.
//
// Calls read back as compact lines:
//   "mmcPo: sound"                          a command
//   "mmcPu: flag=False"                     the command flag
//   "mmcMidi: FileName=/game/midi0001.mid"  a file name, exactly as set
// commandsOf() gives one device's lines without the "name: " prefix.
//
// It also follows what is audible, as the real devices would sound: "sound" (effects only) and
// "play" start a device's sound; "stop", "prev" and "seek" end it, and so does "close" for a
// Sequencer. An effect whose device closes, goes or is given another file sounds on until the
// test ends it; a piece ends with its device.
class RecordingSoundSystem : public SoundSystem {
  public:
    RecordingSoundSystem();
    ~RecordingSoundSystem() override;

    std::unique_ptr<SoundDevice> create(DeviceType type, const QString& name) override;
    void setVolume(int volume) override { volumes_.push_back(volume); }
    // Every volume set, in order.
    const std::vector<int>& volumes() const { return volumes_; }

    const std::vector<SoundCall>& calls() const;
    std::vector<QString> commands() const;
    std::vector<QString> commandsOf(const QString& device) const;
    void clear();

    // The type of the last device made under this name, if any was.
    std::optional<DeviceType> typeOf(const QString& device) const;
    // How many devices of this name are alive now.
    int liveCount(const QString& device) const;

    // Delivers Done to every live device of this name, as the UI thread would: their sound has
    // ended (a handler may start it again). Returns how many devices received it.
    int finish(const QString& device);

    // The names of the devices whose sound is still audible, in the order they started; a name
    // comes twice when an effect let go of by its device still sounds beside a newer one.
    std::vector<QString> sounding() const;
    // Lets every sound of this name, live or let go of, run out without Done. Returns how many
    // ended.
    int endSound(const QString& device);

    struct Log;

  private:
    std::shared_ptr<Log> log_;
    std::vector<int> volumes_;
};
