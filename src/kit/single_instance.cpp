#include "kit/single_instance.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>

namespace {
// Qt holds a native lock on the file as long as its copy runs, so a live copy's lock is never
// taken over by age; the stale time only lets Qt clear a damaged or foreign lock soon.
constexpr int kStaleMs = 3000;

// Qt reads a lock it finds in its place whole before it asks after the holder: a pipe would
// block that read for good, a device or a huge file never end it. So what stands there must
// look like a lock of ours first: a small regular file of this user, with no other link.
constexpr off_t kMaxLockBytes = 4096;

QString WhyNoLock(const struct stat& info) {
    if (S_ISLNK(info.st_mode)) {
        return QStringLiteral("it is a symbolic link");
    }
    if (!S_ISREG(info.st_mode)) {
        return QStringLiteral("it is no regular file");
    }
    if (info.st_uid != geteuid()) {
        return QStringLiteral("it belongs to another user");
    }
    if (info.st_nlink != 1) {
        return QStringLiteral("it has other links");
    }
    if (info.st_size > kMaxLockBytes) {
        return QStringLiteral("it is too large for a lock");
    }
    return {};
}

// Why what stands at the path is no lock of ours; empty when it is one, or nothing is there.
QString WhyNotALock(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // Looked at before opening: opening a device may set it going. An error here is one Qt
    // meets as well, and reads nothing.
    if (lstat(name.constData(), &info) != 0) {
        return {};
    }
    if (QString why = WhyNoLock(info); !why.isEmpty()) {
        return why;
    }
    // Looked at again on what was opened: it may have been swapped in between.
    const int fd = open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return errno == ELOOP ? QStringLiteral("it is a symbolic link") : QString();
    }
    QString why;
    if (fstat(fd, &info) == 0) {
        why = WhyNoLock(info);
    }
    close(fd);
    return why;
}

// Moves what stands in the lock's place aside (over what an earlier start set aside there), so
// that a fresh lock can be made, and says so in one line; false when it stays where it is.
bool SetAside(const QString& path, const QString& why) {
    const QString aside = path + QStringLiteral(".set-aside");
    if (rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0) {
        std::fprintf(stderr, "Tezra set %s aside as %s: %s\n", qUtf8Printable(path),
                     qUtf8Printable(aside), qUtf8Printable(why));
        return true;
    }
    const int error = errno;
    std::fprintf(stderr, "Tezra starts without its lock: %s, and %s cannot be set aside: %s\n",
                 qUtf8Printable(why), qUtf8Printable(path), std::strerror(error));
    return false;
}

// Qt makes its lock open to all readers; it names the holder only, but is the user's own.
void CloseToOthers(const QString& path) {
    const int fd =
        open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd >= 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == geteuid() &&
        (info.st_mode & 077) != 0) {
        fchmod(fd, info.st_mode & 07700);
    }
    if (fd >= 0) {
        close(fd);
    }
}

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
    // Qt also reads the lock it takes while it clears a stale one.
    for (const QString& place : {path_, path_ + QStringLiteral(".rmlock")}) {
        const QString why = WhyNotALock(place);
        if (!why.isEmpty() && !SetAside(place, why)) {
            return true;  // Qt must not read it, and being unable to play is worse
        }
    }
    lock_ = std::make_unique<QLockFile>(path_);
    lock_->setStaleLockTime(kStaleMs);
    if (!lock_->tryLock(0) && lock_->error() == QLockFile::LockFailedError) {
        // Qt found a lock it would not take over: too young to count as stale, or one it could
        // not read. Only a live copy of this user keeps us out.
        switch (CheckAndClear(path_)) {
            case Holder::LiveCopyOfThisUser:
                return false;
            case Holder::Nobody:
                lock_->tryLock(0);
                break;
            case Holder::Unknown:
                break;
        }
    }
    // The game starts, also where no lock can be made (no folder, no room, no permission).
    if (lock_->isLocked()) {
        CloseToOthers(path_);
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
