#include "WallClockTimer.h"

#ifdef Q_OS_LINUX

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/syscall.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

timespec kernelTime(clockid_t clock) {
    timespec now{};
    syscall(SYS_clock_gettime, clock, &now);
    return now;
}

qint64 bootMs() {
    const timespec now = kernelTime(CLOCK_BOOTTIME);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

} // namespace

WallClockTimer::WallClockTimer(const Clock& clock) : clock_(clock) {
    fd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { onReadable(); });
}

WallClockTimer::~WallClockTimer() {
    notifier_.reset();
    if (fd_ >= 0) close(fd_);
}

void WallClockTimer::start(const QDateTime& when) {
    when_ = when;
    duration_ = std::max<qint64>(0, clock_.now().msecsTo(when));
    startedMs_ = bootMs();
    active_ = true;
    armNextStep();
}

// Until the time of the clock, or the end of the time it had left when started if the clock was put back.
void WallClockTimer::armNextStep() {
    const qint64 left =
        std::max<qint64>(0, std::min(duration_ - (bootMs() - startedMs_), clock_.now().msecsTo(when_)));
    timespec at = kernelTime(CLOCK_REALTIME);
    at.tv_sec += static_cast<time_t>(left / 1000);
    at.tv_nsec += static_cast<long>(left % 1000) * 1000000;
    if (at.tv_nsec >= 1000000000) {
        at.tv_sec += 1;
        at.tv_nsec -= 1000000000;
    }
    itimerspec setting{};
    setting.it_value = at;
    syscall(SYS_timerfd_settime, fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &setting, nullptr);
}

void WallClockTimer::onReadable() {
    std::uint64_t expirations = 0;
    // Expired, or cancelled by a change of the clock (ECANCELED): either way the clock is read again.
    if (read(fd_, &expirations, sizeof expirations) < 0 && errno == EAGAIN) return;
    if (!active_) return;
    if (clock_.now() < when_ && bootMs() - startedMs_ < duration_) {
        armNextStep();
        return;
    }
    stop();
    if (onTimeout) onTimeout();
}

void WallClockTimer::stop() {
    active_ = false;
    const itimerspec disarmed{};
    syscall(SYS_timerfd_settime, fd_, 0, &disarmed, nullptr);
}

#endif
