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
class RecordingSoundSystem : public SoundSystem {
  public:
    RecordingSoundSystem();
    ~RecordingSoundSystem() override;

    std::unique_ptr<SoundDevice> create(DeviceType type, const QString& name) override;

    const std::vector<SoundCall>& calls() const;
    std::vector<QString> commands() const;
    std::vector<QString> commandsOf(const QString& device) const;
    void clear();

    // The type of the last device made under this name, if any was.
    std::optional<DeviceType> typeOf(const QString& device) const;
    // How many devices of this name are alive now.
    int liveCount(const QString& device) const;

    // Delivers Done to every live device of this name, as the UI thread would. Returns how many
    // devices received it.
    int finish(const QString& device);

    struct Log;

  private:
    std::shared_ptr<Log> log_;
};
