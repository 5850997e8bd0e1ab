#include "sound/threaded_sound.h"

#include <QMetaObject>

#include "sound/forwarding_device.h"

void SoundLane::toSound(std::function<void()> work) const {
    if (soundSide) {
        QMetaObject::invokeMethod(soundSide, std::move(work), Qt::QueuedConnection);
    }
}

void SoundLane::toUi(std::function<void()> work) {
    std::lock_guard lock(uiLock_);
    if (uiSide_) {
        QMetaObject::invokeMethod(uiSide_.get(), std::move(work), Qt::QueuedConnection);
    }
}

void SoundLane::closeUi() {
    std::lock_guard lock(uiLock_);
    uiSide_.reset();
}

// Passes every call to its twin on the sound thread. A Done that crossed a later call on its
// way is dropped: that call (a stop, a rewind, another play) has already overtaken it, as it
// would have, had both happened on one thread in the order the screen sent them.
class ThreadedDevice : public ForwardingDevice {
  public:
    ThreadedDevice(std::shared_ptr<SoundLane> lane, DeviceType type, const QString& name)
        : lane_(std::move(lane)), id_(++lane_->lastDevice) {
        lane_->devices[id_] = this;
        lane_->toSound([shared = lane_, id = id_, type, name] {
            SoundLane* lane = shared.get();  // owns the device, so outlives its Done handler
            if (!lane->system) {
                return;
            }
            auto device = lane->system->create(type, name);
            device->onDone([lane, id] {
                const quint64 handled = lane->remotes[id].handled;
                lane->toUi([lane, id, handled] {
                    if (auto it = lane->devices.find(id); it != lane->devices.end()) {
                        it->second->doneAfter(handled);
                    }
                });
            });
            lane->remotes[id].device = std::move(device);
        });
    }

    ~ThreadedDevice() override {
        lane_->devices.erase(id_);
        lane_->toSound([lane = lane_, id = id_] { lane->remotes.erase(id); });
    }

    void doneAfter(quint64 handled) {
        if (handled == sent_) {
            notifyDone();
        }
    }

  private:
    void pass(Call call) override {
        ++sent_;
        lane_->toSound([lane = lane_, id = id_, call = std::move(call)] {
            auto it = lane->remotes.find(id);
            if (it != lane->remotes.end() && it->second.device) {
                ++it->second.handled;
                call(*it->second.device);
            }
        });
    }

    std::shared_ptr<SoundLane> lane_;
    quint64 id_;
    quint64 sent_ = 0;
};

std::unique_ptr<SoundDevice> ThreadedSoundSystem::create(DeviceType type, const QString& name) {
    return std::make_unique<ThreadedDevice>(lane_, type, name);
}

void ThreadedSoundSystem::setVolume(int volume) {
    lane_->toSound([lane = lane_, volume] {
        if (lane->system) {
            lane->system->setVolume(volume);
        }
    });
}
