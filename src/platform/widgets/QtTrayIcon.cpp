#include "QtTrayIcon.h"

QtTrayIcon::QtTrayIcon() {
    // Qt reports the left press as Trigger and the right press as Context; they stand for the
    // left-button-down and right-button-up messages the program reacts to.
    QObject::connect(&icon_, &QSystemTrayIcon::activated, [this](QSystemTrayIcon::ActivationReason reason) {
        if (!onMouse) return;
        switch (reason) {
        case QSystemTrayIcon::Trigger:
            onMouse(WM_LBUTTONDOWN);
            break;
        case QSystemTrayIcon::Context:
            onMouse(WM_RBUTTONUP);
            break;
        case QSystemTrayIcon::DoubleClick:
            onMouse(WM_LBUTTONDBLCLK);
            break;
        default:
            break;
        }
    });
}

bool QtTrayIcon::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::add(const QIcon& icon, const QString& tip) {
    modify(icon, tip);
    icon_.show();
}

void QtTrayIcon::modify(const QIcon& icon, const QString& tip) {
    icon_.setIcon(icon);
    icon_.setToolTip(tip);
}

void QtTrayIcon::remove() {
    icon_.hide();
}
