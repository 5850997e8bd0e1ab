#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

#include "sound/sound_device.h"

class QThread;

// The real sound stack (Qt Multimedia, FluidSynth and all they pull in) lives in a plugin, so
// that the program starts without it. The plugin exports this one function, which makes a new
// sound system on the UI thread.
#define TEZRA_SOUND_PLUGIN_ENTRY "tezra_make_sound_system"
using MakeSoundSystem = SoundSystem* (*)();

// Where the plugin may be: beside the program, then in the library folder of an install.
QStringList SoundPluginPaths(const QString& programDir);

// Loads the plugin on a thread of its own and then, on the UI thread, hands the system it makes
// to `ready`, or nullptr when none of the paths gives a working plugin.
class SoundPluginLoader : public QObject {
  public:
    using Ready = std::function<void(std::unique_ptr<SoundSystem>)>;

    SoundPluginLoader();
    ~SoundPluginLoader() override;  // waits for a load under way

    // Only the first call counts.
    void start(QStringList paths, Ready ready);

  private:
    std::unique_ptr<QThread> thread_;
    MakeSoundSystem make_ = nullptr;  // written by the loading thread before it finishes
};
