#pragma once

#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <cstdlib>
#include <random>

// What a writer run by KillMidWrite does after each whole write: one byte down the pipe.
inline void SayWritten(int progress) {
    if (::write(progress, "w", 1) != 1) {
        std::_Exit(1);
    }
}

// Runs `work(progress)` in a child process, which writes for ever and calls SayWritten after
// each whole write, and kills it at a random moment: lets 0 to `maxWhole` writes finish, spins
// for up to `maxSpin` steps to land somewhere inside the next one, then sends SIGKILL and waits
// for the child. False when the pipe or the fork failed or the child ended on its own.
template <typename Work>
bool KillMidWrite(std::mt19937& rng, int maxWhole, int maxSpin, Work work) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        return false;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        work(pipeFds[1]);
        std::_Exit(1);
    }
    ::close(pipeFds[1]);
    bool ok = child > 0;
    char written;
    for (int whole = std::uniform_int_distribution(0, maxWhole)(rng); ok && whole > 0; --whole) {
        ok = ::read(pipeFds[0], &written, 1) == 1;
    }
    volatile unsigned spin = 0;
    for (int n = std::uniform_int_distribution(0, maxSpin)(rng); n > 0; --n) {
        spin = spin + 1;
    }
    if (child > 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    ::close(pipeFds[0]);
    return ok;
}
