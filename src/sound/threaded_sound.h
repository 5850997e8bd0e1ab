#pragma once

#include <QObject>
#include <QtGlobal>
#include <functional>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "sound/sound_device.h"

class ThreadedDevice;

// The road between the UI thread and the sound thread. Calls go to the sound thread in the
// order they were made; Done comes back queued. Either side may be gone: a call to a side that
// has gone is dropped.
struct SoundLane {
    // The sound thread's half, touched on that thread only.
    struct Remote {
        std::unique_ptr<SoundDevice> device;
        quint64 handled = 0;  // calls of the UI's device that reached this one
    };
    std::unique_ptr<SoundSystem> system;
    std::unordered_map<quint64, Remote> remotes;

    // The UI thread's half, touched on that thread only.
    QObject* soundSide = nullptr;  // lives on the sound thread; null once it has closed
    quint64 lastDevice = 0;
    std::unordered_map<quint64, ThreadedDevice*> devices;

    // Runs `work` on the sound thread. UI thread only.
    void toSound(std::function<void()> work) const;
    // Runs `work` on the UI thread. Any thread.
    void toUi(std::function<void()> work);
    void closeUi();

  private:
    std::mutex uiLock_;
    std::unique_ptr<QObject> uiSide_ = std::make_unique<QObject>();  // made on the UI thread
};

// The UI's view of the system that lives on the sound thread: its devices only pass calls on,
// so nothing here ever waits for the sound server.
class ThreadedSoundSystem : public SoundSystem {
  public:
    // `hasAudioOutput` is what the system on the sound thread said.
    ThreadedSoundSystem(std::shared_ptr<SoundLane> lane, bool hasAudioOutput)
        : lane_(std::move(lane)), hasAudioOutput_(hasAudioOutput) {}

    std::unique_ptr<SoundDevice> create(DeviceType type, const QString& name) override;
    void setVolume(int volume) override;
    bool hasAudioOutput() const override { return hasAudioOutput_; }

  private:
    std::shared_ptr<SoundLane> lane_;
    bool hasAudioOutput_;
};
