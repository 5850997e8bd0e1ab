#pragma once

#include "sound/sound_device.h"

// A device that accepts everything and never makes a sound nor reports Done.
class SilentDevice : public SoundDevice {
  public:
    void setFileName(const QString&) override {}
    void setCommandFlag(bool) override {}
    void command(SoundCommand) override {}
};

// Devices for a game without sound.
class SilentSoundSystem : public SoundSystem {
  public:
    std::unique_ptr<SoundDevice> create(DeviceType type, const QString& name) override;
};
