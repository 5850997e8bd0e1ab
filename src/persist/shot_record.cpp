#include "persist/shot_record.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "persist/regular_file.h"
#include "persist/shot_record_format.h"

namespace {
QString SystemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The file opened for appending (and reading its end), or -1 with the reason. O_NONBLOCK: a pipe in
// its place must not stop the game at the open. In a private folder it is made or kept private.
int OpenForAppend(const QString& path, QString& why, struct stat& info) {
    const bool keepPrivate = IsPrivateFolder(QFileInfo(path).path());
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                          keepPrivate ? 0600 : 0644);
    if (fd < 0) {
        why = SystemError();
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        why = QStringLiteral("it is no regular file");
        ::close(fd);
        return -1;
    }
    // Not through other links: the mode is the file's behind each of them.
    if (keepPrivate && info.st_nlink == 1 && PrivateMode(info.st_mode) != (info.st_mode & 07777)) {
        ::fchmod(fd, PrivateMode(info.st_mode));
    }
    return fd;
}

// Whether the file's last byte ends a line; an empty file does.
bool EndsWithLineEnd(int fd, off_t size) {
    char last = '\n';
    return size == 0 || (::pread(fd, &last, 1, size - 1) == 1 && last == '\n');
}

// Whether the file holds no more than the beginning of the header: a kill during the first
// write. Such a file is begun again, so that it keeps its header.
bool HoldsHeaderFragment(int fd, off_t size) {
    const QByteArray header = ShotRecordHeader();
    if (size == 0 || size >= header.size()) {
        return false;
    }
    QByteArray bytes(size, '\0');
    return ::pread(fd, bytes.data(), static_cast<size_t>(size), 0) == size &&
           header.startsWith(bytes);
}
}  // namespace

ShotRecord::ShotRecord(const QString& dataDir, qint64 moveAsideBytes)
    : path_(QDir(dataDir).filePath(kShotRecordFile)), moveAsideBytes_(moveAsideBytes) {}

bool ShotRecord::append(const ShotRow& row) {
    QString why;
    struct stat info {};
    int fd = OpenForAppend(path_, why, info);
    // A file with other links (hard links) would take the line into each of them, which may lie
    // outside the folder: it is moved aside as a full one is, and never written again.
    if (fd >= 0 && (info.st_size >= moveAsideBytes_ || info.st_nlink != 1)) {
        ::close(fd);
        if (!moveAside(row)) {
            return false;
        }
        fd = OpenForAppend(path_, why, info);
    }
    if (fd < 0) {
        return fail(why);
    }
    if (HoldsHeaderFragment(fd, info.st_size) && ::ftruncate(fd, 0) == 0) {
        info.st_size = 0;
    }
    QByteArray bytes;
    if (info.st_size == 0) {
        bytes = ShotRecordHeader();
    } else if (!EndsWithLineEnd(fd, info.st_size)) {
        // A kill left a fragment. The comma makes it a line no reader takes for a shot (a number
        // cut short would otherwise read as another number); the line end sets the next apart.
        bytes = ",\r\n";
    }
    bytes += ShotRecordLine(row);
    const ssize_t written = ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size()));
    why = SystemError();
    ::close(fd);
    if (written != bytes.size()) {
        return fail(written < 0 ? why : QStringLiteral("the disk is full"));
    }
    return true;
}

bool ShotRecord::moveAside(const ShotRow& row) {
    const QString stem = QStringLiteral("results-%1-%2")
                             .arg(row.day.toString(QStringLiteral("yyyyMMdd")),
                                  row.time.toString(QStringLiteral("HHmmss")));
    QString aside = QFileInfo(path_).dir().filePath(stem + QStringLiteral(".csv"));
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = QFileInfo(path_).dir().filePath(stem + QStringLiteral("-%1.csv").arg(n));
    }
    if (::rename(QFile::encodeName(path_).constData(), QFile::encodeName(aside).constData()) != 0) {
        return fail(SystemError());
    }
    return true;
}

bool ShotRecord::fail(const QString& why) {
    if (!failureReported_) {
        failureReported_ = true;
        std::fprintf(stderr, "Cannot record shots in %s: %s\n", qUtf8Printable(path_),
                     qUtf8Printable(why));
    }
    return false;
}
