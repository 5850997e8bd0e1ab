#include "persist/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

// QSaveFile is not used: it resolves a link to its target, makes its new file beside the target
// and renames it over the target, so a link in the data folder would have us replace any file
// the player may write. These few POSIX calls stay in the folder and never follow a link.

namespace {
// The file descriptor, closed when it goes.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now, since a close may report a failed write.
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_;
};

bool IsRegular(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// A regular file that is nowhere else: writing into one with other links would change the file
// behind each of them, which may lie outside the folder.
bool IsRegularAndUnlinked(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1;
}

// O_NONBLOCK: a pipe swapped in at the last moment must not block the open.
Fd OpenNoFollow(const QByteArray& path, int flags) {
    return Fd(::open(path.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
}

bool WriteAllAndSync(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno != EINTR) {
            return false;
        }
        done += std::max<ssize_t>(n, 0);
    }
    return ::fsync(fd) == 0;
}

QString ErrnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

std::chrono::system_clock::time_point LastWritten(const struct stat& info) {
    return std::chrono::system_clock::from_time_t(info.st_mtim.tv_sec) +
           std::chrono::nanoseconds(info.st_mtim.tv_nsec);
}

// The new file's name in the file's own folder, never its target's: dot, program, file name.
QByteArray TempTemplateFor(const QString& path) {
    const QFileInfo info(path);
    return QFile::encodeName(info.path() + QLatin1Char('/') + QLatin1String(kSaveTempPrefix) +
                             info.fileName() + QStringLiteral(".XXXXXX"));
}

QString FolderOf(const QString& path) {
    return QFileInfo(path).path();
}

// A shared PC may close the folder to new files and leave the files open to all.
bool WriteInPlace(const QString& path, const QByteArray& bytes) {
    Fd file = OpenNoFollow(QFile::encodeName(path), O_WRONLY);
    if (file.get() < 0) {
        return ReportNotSaved(path, ErrnoText(errno));
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return ReportNotSaved(path, QStringLiteral("it is no regular file"));
    }
    if (info.st_nlink != 1) {
        return ReportNotSaved(
            path, QStringLiteral("it has other links and its folder takes no new files"));
    }
    if (IsPrivateFolder(FolderOf(path))) {
        ::fchmod(file.get(), PrivateMode(info.st_mode));  // another user's file keeps its mode
    }
    if (::ftruncate(file.get(), 0) != 0 || !WriteAllAndSync(file.get(), bytes) || !file.close()) {
        return ReportNotSaved(path, ErrnoText(errno));
    }
    return true;
}
}  // namespace

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // Looked at before opening too: opening a device may set it going.
    if (::lstat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    Fd file = OpenNoFollow(name, O_RDONLY);
    if (file.get() < 0 || !IsRegular(file.get())) {
        return std::nullopt;
    }
    QByteArray bytes(maxBytes, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(file.get(), bytes.data() + done, size_t(bytes.size() - done));
        if (n == 0 || (n < 0 && errno != EINTR)) {
            break;
        }
        done += std::max<ssize_t>(n, 0);
    }
    bytes.truncate(done);
    return bytes;
}

bool WriteRegularFile(const QString& path, const QByteArray& bytes) {
    struct stat old {};
    const bool exists = ::lstat(QFile::encodeName(path).constData(), &old) == 0;
    if (!exists && errno != ENOENT) {
        return ReportNotSaved(path, ErrnoText(errno));
    }
    if (exists && S_ISLNK(old.st_mode)) {
        return ReportNotSaved(path, QStringLiteral("it is a symbolic link, left as it is"));
    }
    if (exists && !S_ISREG(old.st_mode)) {
        // Writing in place would block on a pipe or feed a device; renaming over it would
        // destroy what someone put there.
        return ReportNotSaved(path, QStringLiteral("it is no regular file"));
    }
    QByteArray temp = TempTemplateFor(path);
    Fd file(::mkostemp(temp.data(), O_CLOEXEC));
    if (file.get() < 0) {
        const int error = errno;
        return exists && (error == EACCES || error == EPERM)
                   ? WriteInPlace(path, bytes)
                   : ReportNotSaved(path, ErrnoText(error));
    }
    mode_t mode = exists ? old.st_mode & 07777 : 0644;
    if (IsPrivateFolder(FolderOf(path))) {
        mode = PrivateMode(mode);
    }
    if (::fchmod(file.get(), mode) != 0 || !WriteAllAndSync(file.get(), bytes) || !file.close() ||
        ::rename(temp.constData(), QFile::encodeName(path).constData()) != 0) {
        const int error = errno;
        ::unlink(temp.constData());
        return ReportNotSaved(path, ErrnoText(error));
    }
    return true;
}

bool CanWriteRegularFile(const QString& path) {
    Fd file = OpenNoFollow(QFile::encodeName(path), O_WRONLY);
    if (file.get() >= 0 && IsRegularAndUnlinked(file.get())) {
        return true;
    }
    QByteArray temp = TempTemplateFor(path);
    Fd probe(::mkostemp(temp.data(), O_CLOEXEC));
    return probe.get() >= 0 && ::unlink(temp.constData()) == 0;
}

void RemoveSaveLeftovers(const QString& folder, std::chrono::system_clock::time_point start) {
    const QRegularExpression leftover(
        QStringLiteral("^%1.+\\.[A-Za-z0-9]{6}$")
            .arg(QRegularExpression::escape(QLatin1String(kSaveTempPrefix))));
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat info {};
        if (leftover.match(name).hasMatch() && ::lstat(path.constData(), &info) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && LastWritten(info) < start) {
            ::unlink(path.constData());
        }
    }
}

bool IsPrivateFolder(const QString& folder) {
    struct stat info {};
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

bool ReportNotSaved(const QString& path, const QString& why) {
    // The game plays on with what it holds in memory, but the player's loss must not go
    // unnoticed.
    std::fprintf(stderr, "Cannot save %s: %s\n", qUtf8Printable(path), qUtf8Printable(why));
    return false;
}
