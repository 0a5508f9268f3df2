#include "FakeCore.h"

#include <QtGlobal>

#include <algorithm>

class FakeTimer final : public SingleShotTimer {
public:
    explicit FakeTimer(FakeCore& core) : core_(&core) { core.timers_.push_back(this); }
    ~FakeTimer() override {
        if (core_) std::erase(core_->timers_, this);
    }

    void start(const QDateTime& when) override {
        deadline = when;
        elapsedDeadline = core_ ? core_->elapsedMs_ + std::max<qint64>(0, core_->clock.msecsTo(when)) : 0;
        active = true;
    }
    void stop() override { active = false; }
    bool isActive() const override { return active; }

    // When it fires, on the clock: at its time, or once the time it had left has passed.
    QDateTime firesAt(const QDateTime& clock, qint64 elapsedMs) const {
        const QDateTime afterLeft = clock.addMSecs(std::max<qint64>(0, elapsedDeadline - elapsedMs));
        return std::max(clock, std::min(deadline, afterLeft));
    }

    FakeCore* core_;
    QDateTime deadline;
    qint64 elapsedDeadline = 0;
    bool active = false;
};

FakeCore::~FakeCore() {
    for (FakeTimer* timer : timers_)
        timer->core_ = nullptr;
}

std::unique_ptr<SingleShotTimer> FakeCore::createTimer() {
    return std::make_unique<FakeTimer>(*this);
}

void FakeCore::advanceTo(const QDateTime& moment) {
    // A program that keeps starting timers for the present would never let time pass.
    constexpr int MOST_WAKE_UPS = 100000;
    for (int wakeUps = 0;; ++wakeUps) {
        if (wakeUps == MOST_WAKE_UPS) qFatal("FakeCore::advanceTo: timers keep firing without time passing");
        FakeTimer* next = nullptr;
        QDateTime nextAt;
        for (FakeTimer* timer : timers_) {
            if (!timer->active) continue;
            const QDateTime at = timer->firesAt(clock, elapsedMs_);
            if (at <= moment && (!next || at < nextAt)) {
                next = timer;
                nextAt = at;
            }
        }
        if (!next) break;
        elapsedMs_ += clock.msecsTo(nextAt);
        clock = nextAt;
        next->active = false;
        if (next->onTimeout) next->onTimeout();
    }
    if (moment > clock) {
        elapsedMs_ += clock.msecsTo(moment);
        clock = moment;
    }
}

void FakeCore::jumpBy(qint64 seconds) {
    clock = clock.addSecs(seconds);
}

int FakeCore::activeTimers() const {
    return static_cast<int>(
        std::count_if(timers_.begin(), timers_.end(), [](const FakeTimer* t) { return t->active; }));
}

double FakeCore::rnd() {
    if (randoms.empty()) {
        // A fixed walk through [0, 1) so that unscripted draws still differ.
        nextFixed_ += 0.381966;
        if (nextFixed_ >= 1.0) nextFixed_ -= 1.0;
        return nextFixed_;
    }
    const double value = randoms.front();
    randoms.pop_front();
    return value;
}

StartResult FakeCore::startProgram(const QString& commandLine) {
    started << commandLine;
    journal << QStringLiteral("start:") + commandLine;
    return nextStart;
}
