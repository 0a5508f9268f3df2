#include "EndSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The pipe from the handler to the event loop; -1 while no object watches.
int pipeEnds[2] = {-1, -1};

extern "C" void writeToPipe(int signal) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signal);
    // Non-blocking: should the pipe ever be full, enough signals are waiting already.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

void closePipe() {
    for (int& end : pipeEnds) {
        if (end >= 0) ::close(end);
        end = -1;
    }
}

} // namespace

EndSignals::EndSignals(std::function<void(int signal)> onSignal) : onSignal_(std::move(onSignal)) {
    if (pipeEnds[0] >= 0) return;
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipeEnds[0] = pipeEnds[1] = -1;
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { readPending(); });

    struct sigaction action = {};
    action.sa_handler = writeToPipe;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    std::size_t installed = 0;
    for (; installed < std::size(SIGNALS); ++installed)
        if (::sigaction(SIGNALS[installed], &action, &previous_[installed]) != 0) break;
    if (installed < std::size(SIGNALS)) {
        while (installed > 0) {
            --installed;
            ::sigaction(SIGNALS[installed], &previous_[installed], nullptr);
        }
        notifier_.reset();
        closePipe();
        return;
    }
    watching_ = true;
}

EndSignals::~EndSignals() {
    if (!watching_) return;
    for (std::size_t i = 0; i < std::size(SIGNALS); ++i)
        ::sigaction(SIGNALS[i], &previous_[i], nullptr);
    notifier_.reset();
    closePipe();
}

void EndSignals::readPending() {
    unsigned char received[16];
    ssize_t count = 0;
    while ((count = ::read(pipeEnds[0], received, sizeof received)) > 0) {
        for (ssize_t i = 0; i < count; ++i)
            if (onSignal_) onSignal_(received[i]);
    }
}
