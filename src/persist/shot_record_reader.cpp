#include "persist/shot_record_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <iterator>
#include <tuple>
#include <utility>

#include "persist/shot_record_format.h"

namespace {
QString Problem(const struct stat& info, qint64 maxBytes) {
    if (S_ISDIR(info.st_mode)) {
        return QStringLiteral("きろくのファイルのところにフォルダがあるので、読めません。");
    }
    if (S_ISLNK(info.st_mode)) {
        return QStringLiteral("きろくのファイルがリンクになっているので、読めません。");
    }
    if (!S_ISREG(info.st_mode)) {
        return QStringLiteral("きろくのファイルがふつうのファイルではないので、読めません。");
    }
    if (info.st_size > maxBytes) {
        return QStringLiteral("きろくのファイルが大きすぎるので、読めません。");
    }
    return {};
}

const QString kCannotOpen = QStringLiteral("きろくのファイルを開けません。");

// A name the recorder gives a full file it moves aside: the record's own name with the time
// and, for a second move within the same second, a number.
struct MovedAside {
    QString name;
    QString time;
    int number = 1;
};

std::vector<MovedAside> MovedAsideFiles(const QDir& folder, const QString& stem) {
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(stem) + "-([0-9]{8}-[0-9]{6})(?:-([1-9][0-9]{0,8}))?\\.csv"));
    std::vector<MovedAside> files;
    // Links, folders and pipes too: each is named on the screen as what it is.
    for (const QString& name : folder.entryList(
             {stem + "-*.csv"}, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (match.hasMatch()) {
            const QString number = match.captured(2);
            files.push_back({name, match.captured(1), number.isEmpty() ? 1 : number.toInt()});
        }
    }
    std::sort(files.begin(), files.end(), [](const MovedAside& a, const MovedAside& b) {
        return std::tie(a.time, a.number) < std::tie(b.time, b.number);
    });
    return files;
}

// The bytes of a regular file of at most maxBytes, or why not.
ShotRecordBytes ReadShotRecordBytes(const QString& path, qint64 maxBytes) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) {
        return {{}, errno == ENOENT ? QString() : kCannotOpen};
    }
    if (QString problem = Problem(info, maxBytes); !problem.isEmpty()) {
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
        result.problem = Problem(info, maxBytes);
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
}  // namespace

QStringList ShotRecordFiles(const QString& recordPath) {
    const QFileInfo record(recordPath);
    QStringList paths;
    for (const MovedAside& file : MovedAsideFiles(record.dir(), record.completeBaseName())) {
        paths.append(record.dir().filePath(file.name));
    }
    paths.append(recordPath);
    return paths;
}

std::vector<ShotRecordBytes> ReadShotRecordFiles(const QStringList& paths) {
    std::vector<ShotRecordBytes> files(size_t(paths.size()));
    qint64 left = kMaxShotRecordBytes;
    for (qsizetype i = paths.size() - 1; i >= 0; --i) {
        ShotRecordBytes& file = files[size_t(i)];
        file = ReadShotRecordBytes(paths[i], left);
        left -= file.bytes.size();
        if (!file.problem.isEmpty()) {
            file.problem = QFileInfo(paths[i]).fileName() + QStringLiteral("：") + file.problem;
        }
    }
    return files;
}

ShotRecordContents ParseShotRecord(const QByteArray& bytes) {
    ShotRecordContents contents;
    const QByteArray header = ShotRecordHeader().sliced(kUtf8Bom.size());
    const QByteArrayView headerLine = QByteArrayView(header).chopped(2);
    contents.rows.reserve(static_cast<size_t>(bytes.size() / 60));
    QByteArrayView rest(bytes);
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
        if (line.startsWith(kUtf8Bom)) {
            line = line.sliced(kUtf8Bom.size());
        }
        if (line.isEmpty() || line == headerLine) {
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

ShotRecordContents ReadShotRecord(const QString& recordPath) {
    const QStringList paths = ShotRecordFiles(recordPath);
    std::vector<ShotRecordBytes> read = ReadShotRecordFiles(paths);
    ShotRecordContents contents;
    QStringList problems;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        ShotRecordBytes& file = read[size_t(i)];
        ShotRecordContents parsed = ParseShotRecord(std::exchange(file.bytes, {}));
        contents.files.push_back(
            {QFileInfo(paths[i]).fileName(), parsed.damagedLines, file.problem});
        contents.damagedLines += parsed.damagedLines;
        if (!file.problem.isEmpty()) {
            problems.append(file.problem);
        }
        contents.rows.insert(contents.rows.end(), std::make_move_iterator(parsed.rows.begin()),
                             std::make_move_iterator(parsed.rows.end()));
    }
    contents.problem = problems.join('\n');
    return contents;
}
