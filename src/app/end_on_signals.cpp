#include "app/end_on_signals.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

namespace {
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int sockets[2] = {-1, -1};
struct sigaction former[std::size(kSignals)];

void WriteByte(int /*signal*/) {
    const int saved = errno;
    const char byte = 1;
    (void)!write(sockets[0], &byte, 1);
    errno = saved;
}
}  // namespace

EndOnSignals::EndOnSignals(std::function<void()> end) : end_(std::move(end)) {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, sockets) != 0) {
        return;  // the signals keep their usual effect
    }
    notifier_ = std::make_unique<QSocketNotifier>(sockets[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &EndOnSignals::signalArrived);
    struct sigaction action {};
    action.sa_handler = WriteByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        sigaction(kSignals[i], &action, &former[i]);
    }
}

EndOnSignals::~EndOnSignals() {
    if (!notifier_) {
        return;
    }
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        sigaction(kSignals[i], &former[i], nullptr);
    }
    notifier_.reset();
    close(sockets[0]);
    close(sockets[1]);
    sockets[0] = sockets[1] = -1;
}

void EndOnSignals::signalArrived() {
    char bytes[16];
    while (read(sockets[1], bytes, sizeof bytes) > 0) {
    }
    end_();
}
