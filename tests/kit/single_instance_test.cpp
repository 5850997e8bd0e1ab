#include "kit/single_instance.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <functional>
#include <vector>

namespace {
constexpr uid_t kNobody = 65534;

// Runs `body` in a child process (as `nobody` when asked) and gives its exit code.
int InChild(const std::function<bool()>& body, bool asNobody = false) {
    const pid_t child = fork();
    if (child == 0) {
        if (asNobody && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            _exit(2);
        }
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A process id no process has: a child that has ended.
qint64 DeadPid() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
}

QByteArray LockText(qint64 pid, const QString& host) {
    return QByteArray::number(pid) + "\ntest_kit\n" + host.toUtf8() + "\n";
}

void Write(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void MakeOld(const QString& path) {
    const utimbuf anHourAgo{time(nullptr) - 3600, time(nullptr) - 3600};
    ASSERT_EQ(utime(QFile::encodeName(path).constData(), &anHourAgo), 0);
}

// Whether the path is a real lock that this process holds.
bool HeldByUs(const QString& path) {
    QLockFile probe(path);
    qint64 pid = 0;
    return !QFileInfo(path).isSymLink() && probe.getLockInfo(&pid, nullptr, nullptr) &&
           pid == getpid();
}

class LockFileInstanceTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString lock = dir.filePath("tezra.lock");
};
}  // namespace

TEST_F(LockFileInstanceTest, ALiveCopyKeepsItsLockHoweverOldAndADeadOneLosesIt) {
    int ready[2];
    int done[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(done), 0);
    const pid_t copy = fork();
    if (copy == 0) {
        close(done[1]);
        LockFileInstance first(lock);
        const char held = first.acquire() ? 'y' : 'n';
        (void)!write(ready[1], &held, 1);
        char end;
        (void)!read(done[0], &end, 1);
        _exit(0);  // leaves its lock behind, as a killed copy would
    }
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');
    MakeOld(lock);
    EXPECT_FALSE(LockFileInstance(lock).acquire());
    close(done[1]);
    waitpid(copy, nullptr, 0);
    LockFileInstance next(lock);
    EXPECT_TRUE(next.acquire());
    EXPECT_TRUE(HeldByUs(lock));
}

TEST_F(LockFileInstanceTest, ADamagedForeignOrLinkedLockIsTakenOver) {
    const QString host = QSysInfo::machineHostName();
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"empty", [&] { Write(lock, ""); }},
        {"unparsable", [&] { Write(lock, "not a lock\n\xff\xfe"); }},
        {"another host's, a live process id", [&] { Write(lock, LockText(1, "elsewhere")); }},
        {"a dangling link", [&] { QFile::link(dir.filePath("nowhere"), lock); }},
        {"a link to a live copy's lock elsewhere",
         [&] {
             Write(dir.filePath("other"), LockText(getpid(), host));
             QFile::link(dir.filePath("other"), lock);
         }},
    };
    for (const auto& [name, make] : cases) {
        QFile::remove(lock);
        make();
        LockFileInstance instance(lock);
        EXPECT_TRUE(instance.acquire()) << name;
        EXPECT_TRUE(HeldByUs(lock)) << name;
    }
}

TEST_F(LockFileInstanceTest, WhatCouldNeverBeALockIsSetAsideAndTheGameStarts) {
    alarm(60);  // a start that blocks or never ends fails the test instead of hanging it
    const QByteArray name = QFile::encodeName(lock);
    std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"a pipe", [&] { ASSERT_EQ(mkfifo(name.constData(), 0600), 0); }},
        {"a link to an endless device", [&] { ASSERT_TRUE(QFile::link("/dev/zero", lock)); }},
        {"a 2 GiB file of holes",
         [&] {
             Write(lock, "");
             ASSERT_EQ(truncate(name.constData(), off_t(2) << 30), 0);
         }},
        {"a hard link",
         [&] {
             Write(dir.filePath("other"), LockText(DeadPid(), QSysInfo::machineHostName()));
             ASSERT_EQ(link(QFile::encodeName(dir.filePath("other")).constData(), name.constData()),
                       0);
         }},
        // Qt reads the lock it takes to clear a stale one too.
        {"a pipe beside a dead copy's lock",
         [&] {
             Write(lock, LockText(DeadPid(), QSysInfo::machineHostName()));
             MakeOld(lock);
             ASSERT_EQ(mkfifo(QFile::encodeName(lock + ".rmlock").constData(), 0600), 0);
         }},
    };
    if (geteuid() == 0) {
        cases.push_back({"another user's", [&] {
                             Write(lock, LockText(DeadPid(), QSysInfo::machineHostName()));
                             ASSERT_EQ(chown(name.constData(), kNobody, kNobody), 0);
                         }});
    }
    for (const auto& [what, make] : cases) {
        SCOPED_TRACE(what);
        QFile::remove(lock);
        QFile::remove(lock + ".rmlock");
        make();
        testing::internal::CaptureStderr();
        LockFileInstance instance(lock);
        EXPECT_TRUE(instance.acquire());
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find(".set-aside"), std::string::npos) << said;
        EXPECT_TRUE(HeldByUs(lock));
        struct stat made {};
        ASSERT_EQ(stat(name.constData(), &made), 0);
        EXPECT_EQ(made.st_mode & 0777, 0600u);
        EXPECT_EQ(InChild([&] { return LockFileInstance(lock).acquire(); }), 1)
            << "a second copy started";
    }
    EXPECT_TRUE(QFileInfo::exists(lock + ".set-aside"));
    alarm(0);
}

TEST_F(LockFileInstanceTest, WithNoPlaceForALockTheGameStartsAnyway) {
    EXPECT_TRUE(LockFileInstance(dir.filePath("missing/tezra.lock")).acquire());
    EXPECT_TRUE(LockFileInstance(QString()).acquire());
    // A full folder: every write fails.
    EXPECT_EQ(InChild([&] {
                  signal(SIGXFSZ, SIG_IGN);
                  const rlimit none{0, 0};
                  setrlimit(RLIMIT_FSIZE, &none);
                  return LockFileInstance(lock).acquire();
              }),
              0);
}

TEST_F(LockFileInstanceTest, AnotherUsersDeadLockAnUnreadableOneOrAClosedFolderLetNobodyStart) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "the other-user cases run as nobody and need root";
    }
    // nobody's own folder, inside the test's.
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0711), 0);
    const QString mine = dir.filePath("nobody");
    ASSERT_TRUE(QDir().mkdir(mine));
    ASSERT_EQ(chown(QFile::encodeName(mine).constData(), kNobody, kNobody), 0);
    const QString nobodysLock = mine + "/tezra.lock";
    const auto nobodyStarts = [&] {
        return InChild([&] { return LockFileInstance(nobodysLock).acquire(); }, true) == 0;
    };

    Write(nobodysLock, LockText(DeadPid(), QSysInfo::machineHostName()));  // root's
    EXPECT_TRUE(nobodyStarts()) << "another user's lock with a dead process id";

    QFile::remove(nobodysLock);
    Write(nobodysLock, LockText(getpid(), QSysInfo::machineHostName()));
    ASSERT_EQ(chown(QFile::encodeName(nobodysLock).constData(), kNobody, kNobody), 0);
    ASSERT_EQ(chmod(QFile::encodeName(nobodysLock).constData(), 0), 0);
    EXPECT_TRUE(nobodyStarts()) << "an unreadable lock";

    QFile::remove(nobodysLock);
    ASSERT_EQ(chmod(QFile::encodeName(mine).constData(), 0500), 0);
    EXPECT_TRUE(nobodyStarts()) << "a folder nobody may write";
}

TEST(LockFilePlace, WithoutARuntimeFolderTheLockStaysInTheUsersOwnFolder) {
    QTemporaryDir home;
    const QByteArray saved[] = {qgetenv("XDG_RUNTIME_DIR"), qgetenv("HOME"),
                                qgetenv("XDG_CACHE_HOME")};
    qunsetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_CACHE_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const QString folder = home.filePath(".cache/tezra");
    EXPECT_EQ(LockFileInstance::defaultPath(), folder + "/tezra.lock");
    struct stat made {};
    ASSERT_EQ(stat(QFile::encodeName(folder).constData(), &made), 0);
    EXPECT_EQ(made.st_mode & 0777, 0700u);
    qunsetenv("HOME");
    EXPECT_EQ(LockFileInstance::defaultPath(), QString());
    const char* names[] = {"XDG_RUNTIME_DIR", "HOME", "XDG_CACHE_HOME"};
    for (int i = 0; i < 3; ++i) {
        if (saved[i].isNull()) {
            qunsetenv(names[i]);
        } else {
            qputenv(names[i], saved[i]);
        }
    }
}
