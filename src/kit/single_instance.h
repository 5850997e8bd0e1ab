#pragma once

#include <QString>
#include <memory>
#include <optional>

class QLockFile;

// Whether this is the only running copy of the game. Asked once per run; later asks give the
// first answer, so a title screen loaded again does not ask anew.
class SingleInstance {
  public:
    virtual ~SingleInstance() = default;
    virtual bool acquire() = 0;
};

// A lock file held for the whole run, readable by this user alone. Only a live copy of this user
// holding the lock keeps another copy from starting: a lock left by a copy that died, an empty or
// damaged one, or one from another host is taken over. Anything in its place that is no small
// regular file of this user with no other link (a link, a pipe, a device, a huge file) is
// renamed to <path>.set-aside with one line on standard error, and a fresh lock made. When no
// lock can be made or checked at all, the game starts anyway, since being unable to play is
// worse than two copies.
class LockFileInstance : public SingleInstance {
  public:
    // An empty path: there is no place for a lock, and every copy starts.
    explicit LockFileInstance(QString path);
    ~LockFileInstance() override;
    bool acquire() override;

    // The lock's place: the user's runtime folder; without a usable one, a folder of the game's
    // own in the user's cache folder; empty without either. Never a folder other users share.
    static QString defaultPath();

  private:
    bool takeLock();

    QString path_;
    std::unique_ptr<QLockFile> lock_;
    std::optional<bool> held_;
};
