#include "kit/single_instance.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace {
// Qt holds a native lock on the file as long as its copy runs, so a live copy's lock is never
// taken over by age; the stale time only lets Qt clear a damaged or foreign lock soon.
constexpr int kStaleMs = 3000;

enum class Holder { LiveCopyOfThisUser, Nobody, Unknown };

// Asks the file itself whether a live process holds it, as Qt's lock does. A lock nobody holds
// is removed while we hold it in turn, so that no copy starting meanwhile loses a fresh lock.
Holder CheckAndClear(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat link {};
    if (lstat(name.constData(), &link) != 0) {
        return errno == ENOENT ? Holder::Nobody : Holder::Unknown;
    }
    if (S_ISLNK(link.st_mode)) {
        // Qt makes its lock a plain file: a link is never one, wherever it points.
        return unlink(name.constData()) == 0 ? Holder::Nobody : Holder::Unknown;
    }
    const int fd = open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        // Unreadable: no copy of this user made it, as Qt makes its locks readable.
        return errno == EACCES && unlink(name.constData()) == 0 ? Holder::Nobody : Holder::Unknown;
    }
    Holder holder = Holder::Unknown;
    struct stat opened {};
    if (fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode)) {
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool live = errno == EWOULDBLOCK;
            holder =
                live && opened.st_uid == geteuid() ? Holder::LiveCopyOfThisUser : Holder::Unknown;
        } else if (lstat(name.constData(), &link) == 0 && link.st_ino == opened.st_ino &&
                   link.st_dev == opened.st_dev && unlink(name.constData()) == 0) {
            holder = Holder::Nobody;
        }
    }
    close(fd);
    return holder;
}

// A folder only this user may enter, made if need be; false when it is anything else.
bool MakePrivateFolder(const QString& path) {
    if (!QDir::isAbsolutePath(path)) {
        return false;
    }
    QDir().mkpath(QFileInfo(path).path());
    QDir().mkdir(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    struct stat folder {};
    return lstat(QFile::encodeName(path).constData(), &folder) == 0 && S_ISDIR(folder.st_mode) &&
           folder.st_uid == geteuid() && (folder.st_mode & 077) == 0;
}
}  // namespace

LockFileInstance::LockFileInstance(QString path) : path_(std::move(path)) {}

LockFileInstance::~LockFileInstance() = default;

bool LockFileInstance::acquire() {
    if (!held_) {
        held_ = takeLock();
    }
    return *held_;
}

bool LockFileInstance::takeLock() {
    if (path_.isEmpty()) {
        return true;
    }
    lock_ = std::make_unique<QLockFile>(path_);
    lock_->setStaleLockTime(kStaleMs);
    if (lock_->tryLock(0) || lock_->error() != QLockFile::LockFailedError) {
        return true;  // locked, or no lock can be made here (no folder, no room, no permission)
    }
    // Qt found a lock it would not take over: too young to count as stale, or one it could not
    // remove (another user's, unreadable, a link). Only a live copy of this user keeps us out.
    switch (CheckAndClear(path_)) {
        case Holder::LiveCopyOfThisUser:
            return false;
        case Holder::Nobody:
            lock_->tryLock(0);
            return true;
        case Holder::Unknown:
            return true;
    }
    return true;
}

QString LockFileInstance::defaultPath() {
    // Qt checks that the runtime folder is the user's own and closed to others. Without the
    // variable Qt would guess a folder below /tmp, where another user may have made it first.
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty()) {
            return runtime + QStringLiteral("/tezra.lock");
        }
    }
    // Without a home, Qt's cache folder would be one at the root of the file system.
    const QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home) || !QFileInfo(home).isDir()) {
        return {};
    }
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/tezra";
    return MakePrivateFolder(folder) ? folder + QStringLiteral("/tezra.lock") : QString();
}
