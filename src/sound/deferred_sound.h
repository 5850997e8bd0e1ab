#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "sound/sound_device.h"

// Sound whose real system comes later: the sound stack is loaded after the first window is up.
// Until then every device made here remembers what it is told, in order; attach() hands that to
// a device of the real system, and from then on the device passes everything straight through
// and reports the real device's Done. Devices made after attach() are the real system's own.
// A volume set before attach() is handed on first. Everything happens on the UI thread.
class DeferredSoundSystem : public SoundSystem {
  public:
    DeferredSoundSystem();
    ~DeferredSoundSystem() override;

    std::unique_ptr<SoundDevice> create(DeviceType type, const QString& name) override;
    void setVolume(int volume) override;

    // Makes `real` the sound of the rest of the run. Only the first call counts; a game whose
    // sound stack cannot be loaded attaches a silent system.
    void attach(std::unique_ptr<SoundSystem> real);
    bool attached() const { return real_ != nullptr; }

    class Device;
    struct Waiting;

  private:
    std::unique_ptr<SoundSystem> real_;
    std::optional<int> volume_;         // the last volume set while there was no real system
    std::shared_ptr<Waiting> waiting_;  // shared with the devices, which may outlive the system
};
