#pragma once

#include "platform/core/Clock.h"

#include <QObject>

#include <chrono>
#include <memory>

// Stops the text caret blinking once keyboard and mouse have been left alone for a while, as GTK desktops
// do, and starts it again at the next key, click or activation. A blinking caret repaints twice a second,
// waking the program for as long as a window keeps the focus: all day for a memo on the desktop.
//
// The blinking is the application's (QStyleHints' cursor flash time), restored when this goes.
class CaretBlinkLimit final : public QObject {
public:
    static constexpr std::chrono::seconds BLINKING_TIME{10};

    explicit CaretBlinkLimit(Clock& clock);
    ~CaretBlinkLimit() override;
    CaretBlinkLimit(const CaretBlinkLimit&) = delete;
    CaretBlinkLimit& operator=(const CaretBlinkLimit&) = delete;

    bool blinking() const { return !stopped_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onInput();
    void stopBlinking();

    Clock& clock_;
    std::unique_ptr<SingleShotTimer> timer_;
    int flashTime_ = 0; // the desktop's, in milliseconds
    bool stopped_ = false;
};
