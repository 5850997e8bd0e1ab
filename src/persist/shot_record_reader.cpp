#include "persist/shot_record_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>

#include "persist/shot_record_format.h"

namespace {
// Far more than years of a class's shots; a larger file is no record of this game.
constexpr qint64 kMaxRecordBytes = 256 * 1024 * 1024;

QString Problem(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return QStringLiteral("きろくのファイルのところにフォルダがあるので、読めません。");
    }
    if (S_ISLNK(info.st_mode)) {
        return QStringLiteral("きろくのファイルがリンクになっているので、読めません。");
    }
    if (!S_ISREG(info.st_mode)) {
        return QStringLiteral("きろくのファイルがふつうのファイルではないので、読めません。");
    }
    if (info.st_size > kMaxRecordBytes) {
        return QStringLiteral("きろくのファイルが大きすぎるので、読めません。");
    }
    return {};
}

const QString kCannotOpen = QStringLiteral("きろくのファイルを開けません。");
}  // namespace

ShotRecordBytes ReadShotRecordBytes(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) {
        return {{}, errno == ENOENT ? QString() : kCannotOpen};
    }
    if (QString problem = Problem(info); !problem.isEmpty()) {
        return {{}, problem};
    }
    // Checked again on what was opened: the file may have been swapped in between.
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {{}, kCannotOpen};
    }
    ShotRecordBytes result;
    if (::fstat(fd, &info) != 0) {
        result.problem = kCannotOpen;
    } else {
        result.problem = Problem(info);
    }
    if (result.problem.isEmpty()) {
        result.bytes.resize(info.st_size);
        qint64 got = 0;
        while (got < info.st_size) {
            const ssize_t n = ::read(fd, result.bytes.data() + got, info.st_size - got);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            got += n;
        }
        result.bytes.truncate(got);  // a file cut shorter meanwhile
    }
    ::close(fd);
    return result;
}

ShotRecordContents ParseShotRecord(const QByteArray& bytes) {
    ShotRecordContents contents;
    QByteArrayView rest(bytes);
    if (rest.startsWith(kUtf8Bom)) {
        rest = rest.sliced(kUtf8Bom.size());
    }
    const QByteArray header = ShotRecordHeader().sliced(kUtf8Bom.size());
    const QByteArrayView headerLine = QByteArrayView(header).chopped(2);
    bool first = true;
    contents.rows.reserve(static_cast<size_t>(bytes.size() / 60));
    while (!rest.isEmpty()) {
        const qsizetype end = rest.indexOf('\n');
        if (end < 0) {
            ++contents.damagedLines;  // the partial last line of a write cut short
            break;
        }
        QByteArrayView line = rest.first(end);
        rest = rest.sliced(end + 1);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (std::exchange(first, false) && line == headerLine) {
            continue;
        }
        if (line.isEmpty()) {
            continue;
        }
        if (std::optional<ShotRow> row = ParseShotRecordLine(line)) {
            contents.rows.push_back(std::move(*row));
        } else {
            ++contents.damagedLines;
        }
    }
    return contents;
}

ShotRecordContents ReadShotRecord(const QString& path) {
    ShotRecordBytes read = ReadShotRecordBytes(path);
    if (!read.problem.isEmpty()) {
        return {{}, 0, read.problem};
    }
    return ParseShotRecord(read.bytes);
}
