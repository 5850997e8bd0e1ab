#include "sound/sound_plugin.h"

#include <QDir>
#include <QLibrary>
#include <QThread>

namespace {

MakeSoundSystem loadPlugin(const QStringList& paths) {
    for (const QString& path : paths) {
        // Never unloaded: the system it makes lives to the end of the run.
        QLibrary library(path);
        if (library.load()) {
            if (auto make =
                    reinterpret_cast<MakeSoundSystem>(library.resolve(TEZRA_SOUND_PLUGIN_ENTRY))) {
                return make;
            }
            library.unload();
        }
    }
    return nullptr;
}

}  // namespace

QStringList SoundPluginPaths(const QString& programDir) {
    const QDir dir(programDir);
    return {
        dir.filePath(TEZRA_SOUND_PLUGIN_FILE),
        QDir::cleanPath(dir.filePath(TEZRA_SOUND_PLUGIN_INSTALL_DIR "/" TEZRA_SOUND_PLUGIN_FILE))};
}

SoundPluginLoader::SoundPluginLoader() = default;

SoundPluginLoader::~SoundPluginLoader() {
    if (thread_) {
        thread_->wait();
    }
}

void SoundPluginLoader::start(QStringList paths, Ready ready) {
    if (thread_) {
        return;
    }
    thread_.reset(QThread::create([this, paths = std::move(paths)] { make_ = loadPlugin(paths); }));
    connect(thread_.get(), &QThread::finished, this, [this, ready = std::move(ready)] {
        ready(std::unique_ptr<SoundSystem>(make_ ? make_() : nullptr));
    });
    thread_->start();
}
