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

// A lock file held for the whole run. A lock left by a copy that crashed or was killed is
// recognised as stale (its process is gone) and taken over.
class LockFileInstance : public SingleInstance {
  public:
    explicit LockFileInstance(QString path);
    ~LockFileInstance() override;
    bool acquire() override;

    // The lock's place: the user's runtime folder, else the temporary folder.
    static QString defaultPath();

  private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    std::optional<bool> held_;
};
