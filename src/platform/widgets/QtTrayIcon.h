#pragma once

#include "TrayIcon.h"

#include <QSystemTrayIcon>

// The notification-area icon through QSystemTrayIcon.
class QtTrayIcon final : public TrayIcon {
public:
    QtTrayIcon();
    bool isAvailable() const override;
    void add(const QIcon& icon, const QString& tip) override;
    void modify(const QIcon& icon, const QString& tip) override;
    void remove() override;

private:
    QSystemTrayIcon icon_;
};
