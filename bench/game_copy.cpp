#include "game_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString CopyOfGame(const QString& program, const QTemporaryDir& dir) {
    const QFileInfo info(program);
    const QDir game(info.absolutePath());
    for (const QString& name : game.entryList(QDir::Files)) {
        if (!name.startsWith("dat_high") && !name.startsWith("dat_midi")) {
            QFile::copy(game.filePath(name), dir.filePath(name));
        }
    }
    const QString copy = dir.filePath(info.fileName());
    QFile::setPermissions(copy, QFile::permissions(program));
    return copy;
}

QProcessEnvironment BenchEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains("QT_QPA_PLATFORM")) {
        env.insert("QT_QPA_PLATFORM", "offscreen");
    }
    return env;
}
