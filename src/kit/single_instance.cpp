#include "kit/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

LockFileInstance::LockFileInstance(QString path) : path_(std::move(path)) {}

LockFileInstance::~LockFileInstance() = default;

bool LockFileInstance::acquire() {
    if (!held_) {
        lock_ = std::make_unique<QLockFile>(path_);
        // Never stale by age: a running copy may run for days. A dead owner still counts as stale.
        lock_->setStaleLockTime(0);
        held_ = lock_->tryLock(0);
        if (!*held_ && lock_->error() == QLockFile::PermissionError) {
            held_ = true;  // no place for a lock: better two copies than none
        }
    }
    return *held_;
}

QString LockFileInstance::defaultPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder + QStringLiteral("/tezra.lock");
}
