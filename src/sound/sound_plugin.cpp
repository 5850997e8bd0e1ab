#include "sound/sound_plugin.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace {

// Why a file of this kind must not be loaded, or an empty string when it may.
QString Refusal(const struct stat& info) {
    if (!S_ISREG(info.st_mode)) {
        return QStringLiteral("it is not a regular file");
    }
    if (info.st_uid != 0 && info.st_uid != ::geteuid()) {
        return QStringLiteral("it belongs to another user");
    }
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return QStringLiteral("others may write it");
    }
    return {};
}

// The plugin's entry, loaded from the very file that was checked (through its open descriptor,
// so that it cannot be swapped in between), or nullptr.
MakeSoundSystem loadChecked(const QString& path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) {  // no plugin here is normal
            qWarning("sound plugin %s not loaded: %s", qUtf8Printable(path),
                     errno == ELOOP ? "it is a symbolic link" : std::strerror(errno));
        }
        return nullptr;
    }
    struct stat info {};
    QString refusal =
        ::fstat(fd, &info) == 0 ? Refusal(info) : QString::fromLocal8Bit(std::strerror(errno));
    void* library = nullptr;
    if (refusal.isEmpty()) {
        // Never unloaded: the system it makes lives to the end of the run.
        library = ::dlopen(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(),
                           RTLD_NOW | RTLD_LOCAL);
    } else {
        qWarning("sound plugin %s not loaded: %s", qUtf8Printable(path), qUtf8Printable(refusal));
    }
    ::close(fd);
    if (!library) {
        return nullptr;
    }
    if (auto make = reinterpret_cast<MakeSoundSystem>(::dlsym(library, TEZRA_SOUND_PLUGIN_ENTRY))) {
        return make;
    }
    ::dlclose(library);
    return nullptr;
}

}  // namespace

QStringList SoundPluginPaths(const QString& programDir) {
    const QDir dir(programDir);
    return {
        dir.filePath(TEZRA_SOUND_PLUGIN_FILE),
        QDir::cleanPath(dir.filePath(TEZRA_SOUND_PLUGIN_INSTALL_DIR "/" TEZRA_SOUND_PLUGIN_FILE))};
}

MakeSoundSystem LoadSoundPlugin(const QStringList& paths) {
    for (const QString& path : paths) {
        if (MakeSoundSystem make = loadChecked(path)) {
            return make;
        }
    }
    return nullptr;
}
