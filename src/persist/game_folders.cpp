#include "persist/game_folders.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

#include "persist/data_file_io.h"
#include "persist/data_files.h"
#include "persist/regular_file.h"

namespace {
QString PathIn(const QString& folder, const char* name) {
    return QDir(folder).filePath(QLatin1String(name));
}

// A high-score file that can be written is enough: a shared PC may close the folder to new
// files and leave the files open to all.
bool CanKeepDataIn(const QString& folder) {
    return CanWriteRegularFile(PathIn(folder, kHighScoreFile));
}

bool IsMissing(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) != 0 && errno == ENOENT;
}

// The user's data folder, made if need be and closed to other users, since the record holds the
// children's names; the other rights of a folder found stay.
bool MakePrivateFolder(const QString& path) {
    if (!QDir().mkpath(path)) {
        return false;
    }
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
        info.st_uid == ::geteuid() && PrivateMode(info.st_mode) != (info.st_mode & 07777)) {
        ::chmod(name.constData(), PrivateMode(info.st_mode));
    }
    return true;
}

void CopyMissingDataFiles(const QString& from, const QString& to) {
    for (const char* name : {kHighScoreFile, kMusicFile}) {
        const QString target = PathIn(to, name);
        if (!IsMissing(target)) {
            continue;
        }
        // Bytes past the read cap are never read, so they need not come along.
        if (const auto bytes = ReadRegularFile(PathIn(from, name), kMaxFileBytes)) {
            WriteRegularFile(target, *bytes);
        }
    }
}
}  // namespace

QString UserDataFolder() {
    // Not QStandardPaths: it takes a relative XDG_DATA_HOME as it stands and, with HOME unset,
    // makes the folder at the root of the file system.
    const QString app = QCoreApplication::applicationName();
    const QString xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(xdgDataHome)) {
        return QDir(xdgDataHome).filePath(app);
    }
    // A home folder that is gone is not made anew.
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home) && QFileInfo(home).isDir()) {
        return QDir(home).filePath(QStringLiteral(".local/share/") + app);
    }
    return {};
}

GameFolders LocateGameFolders(const QString& programDir, const QString& installedFiles,
                              const QString& userData) {
    const bool portable = QFileInfo::exists(PathIn(programDir, kNoteFile)) ||
                          !QFileInfo::exists(PathIn(installedFiles, kNoteFile));
    const QString files = portable ? programDir : QDir::cleanPath(installedFiles);
    if (portable && CanKeepDataIn(files)) {
        return {files, files};
    }
    if (!userData.isEmpty() && MakePrivateFolder(userData) && CanKeepDataIn(userData)) {
        CopyMissingDataFiles(files, userData);
        return {files, userData};
    }
    std::fprintf(stderr, "Tezra cannot keep its scores: neither %s nor %s can be written\n",
                 qUtf8Printable(files),
                 qUtf8Printable(userData.isEmpty() ? "a user folder" : userData));
    return {files, files};
}
