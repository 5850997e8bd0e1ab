#include "persist/game_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "persist/data_files.h"

namespace {
QString PathIn(const QString& folder, const char* name) {
    return QDir(folder).filePath(QLatin1String(name));
}

// Permissions say nothing for root or a read-only mount, so the folder is really tried. A
// high-score file that can be written is enough: a shared PC may close the folder to new files
// and leave the files open to all.
bool CanKeepDataIn(const QString& folder) {
    const QString highScore = PathIn(folder, kHighScoreFile);
    if (QFileInfo(highScore).isFile()) {
        QFile file(highScore);
        if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
            return true;
        }
    }
    // Named like a save's leftover, so a kill right here leaves nothing the next start keeps.
    QTemporaryFile probe(PathIn(folder, kHighScoreFile) + QStringLiteral(".XXXXXX"));
    return probe.open();
}

void CopyMissingDataFiles(const QString& from, const QString& to) {
    for (const char* name : {kHighScoreFile, kMusicFile}) {
        const QString source = PathIn(from, name);
        const QString target = PathIn(to, name);
        // The copy keeps the permissions of a file that may have been read-only where it was.
        if (QFileInfo(source).isFile() && !QFileInfo::exists(target) &&
            QFile::copy(source, target)) {
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
        }
    }
}
}  // namespace

GameFolders LocateGameFolders(const QString& programDir, const QString& installedFiles,
                              const QString& userData) {
    const bool portable = QFileInfo::exists(PathIn(programDir, kNoteFile)) ||
                          !QFileInfo::exists(PathIn(installedFiles, kNoteFile));
    const QString files = portable ? programDir : QDir::cleanPath(installedFiles);
    if (portable && CanKeepDataIn(files)) {
        return {files, files};
    }
    QDir().mkpath(userData);
    CopyMissingDataFiles(files, userData);
    return {files, userData};
}
