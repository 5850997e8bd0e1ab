#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

#include "sound/sound_device.h"

class QThread;
struct SoundLane;

// The real sound system on a thread of its own, with its own event loop: the plugin is loaded
// and the system made there, and every call of every device is run there, so the UI thread
// never waits for the sound server, the device lists or the synthesizer's driver.
class SoundThread {
  public:
    using Ready = std::function<void(std::unique_ptr<SoundSystem>)>;

    // How long the sound server may take to answer before the game plays without it.
    static constexpr std::chrono::milliseconds kPatience{5000};

    explicit SoundThread(std::chrono::milliseconds patience = kPatience);
    ~SoundThread();  // finish()
    SoundThread(const SoundThread&) = delete;
    SoundThread& operator=(const SoundThread&) = delete;

    // Starts the thread, and later, on the UI thread, hands `ready` a system at `volume` (0-100)
    // whose devices pass everything to the sound thread, or nullptr when no plugin works or the
    // sound server did not answer in time. Only the first call counts.
    void start(QStringList paths, Ready ready, int volume = 100);

    // Lets go of the sound and ends the thread; calls made afterwards are dropped. Returns false
    // when the thread is stuck inside the sound server: it is then left behind, and only ending
    // the process ends it (the sound stack's own clean-up at exit would wait for it).
    bool finish();

  private:
    void answer(std::unique_ptr<SoundSystem> system);

    std::chrono::milliseconds patience_;
    std::shared_ptr<SoundLane> lane_;
    QThread* thread_ = nullptr;
    QTimer watchdog_;
    bool waiting_ = false;  // gave up waiting for the sound server, which has not answered yet
    Ready ready_;
};
