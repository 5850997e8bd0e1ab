#include "sound/deferred_sound.h"

#include <QString>
#include <algorithm>
#include <functional>

#include "sound/forwarding_device.h"

// The devices still waiting for the real system.
struct DeferredSoundSystem::Waiting {
    std::vector<Device*> devices;
};

// Stands in for a real device until there is one. Calls are kept as they came.
class DeferredSoundSystem::Device : public ForwardingDevice {
  public:
    Device(DeviceType type, QString name, std::weak_ptr<DeferredSoundSystem::Waiting> waiting)
        : type_(type), name_(std::move(name)), waiting_(std::move(waiting)) {}

    ~Device() override {
        if (auto waiting = waiting_.lock()) {
            std::erase(waiting->devices, this);
        }
    }

    void attach(SoundSystem& system) {
        real_ = system.create(type_, name_);
        real_->onDone([this] { notifyDone(); });
        for (const Call& call : std::exchange(pending_, {})) {
            call(*real_);
        }
    }

  private:
    void pass(Call call) override {
        if (real_) {
            call(*real_);
        } else {
            pending_.push_back(std::move(call));
        }
    }

    DeviceType type_;
    QString name_;
    std::weak_ptr<DeferredSoundSystem::Waiting> waiting_;
    std::vector<Call> pending_;
    std::unique_ptr<SoundDevice> real_;
};

DeferredSoundSystem::DeferredSoundSystem() : waiting_(std::make_shared<Waiting>()) {}

DeferredSoundSystem::~DeferredSoundSystem() = default;

std::unique_ptr<SoundDevice> DeferredSoundSystem::create(DeviceType type, const QString& name) {
    if (real_) {
        return real_->create(type, name);
    }
    auto device = std::make_unique<Device>(type, name, waiting_);
    waiting_->devices.push_back(device.get());
    return device;
}

void DeferredSoundSystem::setVolume(int volume) {
    if (real_) {
        real_->setVolume(volume);
    } else {
        volume_ = volume;
    }
}

void DeferredSoundSystem::attach(std::unique_ptr<SoundSystem> real) {
    if (real_ || !real) {
        return;
    }
    real_ = std::move(real);
    if (volume_) {
        real_->setVolume(*volume_);
    }
    // One at a time: a device that goes meanwhile leaves the list itself.
    while (!waiting_->devices.empty()) {
        Device* device = waiting_->devices.front();
        waiting_->devices.erase(waiting_->devices.begin());
        device->attach(*real_);
    }
}
