#pragma once

#include <QString>
#include <functional>

#include "sound/sound_device.h"

// A device that hands every call on to another device, later or elsewhere. Each call becomes one
// function of the device it reaches, so a change of the device interface only touches this class.
class ForwardingDevice : public SoundDevice {
  public:
    using Call = std::function<void(SoundDevice&)>;

    void setFileName(const QString& path) final {
        pass([path](SoundDevice& d) { d.setFileName(path); });
    }
    void setCommandFlag(bool flag) final {
        pass([flag](SoundDevice& d) { d.setCommandFlag(flag); });
    }
    void command(SoundCommand cmd) final {
        pass([cmd](SoundDevice& d) { d.command(cmd); });
    }

  protected:
    virtual void pass(Call call) = 0;
};
