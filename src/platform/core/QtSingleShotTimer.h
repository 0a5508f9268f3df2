#pragma once

#include "Clock.h"

#include <QTimer>

// A wake-up as Qt's event loop gives it: a precise single-shot timer, to the millisecond.
class QtSingleShotTimer final : public SingleShotTimer {
public:
    explicit QtSingleShotTimer(const Clock& clock);

    void start(const QDateTime& when) override;
    void stop() override;
    bool isActive() const override;

private:
    const Clock& clock_;
    QTimer timer_;
};
