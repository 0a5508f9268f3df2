#include "CaretBlinkLimit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

CaretBlinkLimit::CaretBlinkLimit(Clock& clock)
    : clock_(clock), timer_(clock.createTimer()),
      flashTime_(QGuiApplication::styleHints()->cursorFlashTime()) {
    timer_->onTimeout = [this] { stopBlinking(); };
    QCoreApplication::instance()->installEventFilter(this);
    onInput();
}

CaretBlinkLimit::~CaretBlinkLimit() {
    QCoreApplication::instance()->removeEventFilter(this);
    if (stopped_) QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
}

bool CaretBlinkLimit::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::InputMethod:
    case QEvent::WindowActivate:
        // Seen again by each parent the event goes up to: starting the timer again costs little.
        if (watched->isWidgetType()) onInput();
        break;
    default:
        break;
    }
    return false;
}

void CaretBlinkLimit::onInput() {
    if (stopped_) {
        stopped_ = false;
        // Text boxes follow the change at once: the focused one blinks again.
        QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
    }
    timer_->start(clock_.now().addSecs(BLINKING_TIME.count()));
}

void CaretBlinkLimit::stopBlinking() {
    stopped_ = true;
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}
