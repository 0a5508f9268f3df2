#pragma once

#include <QIcon>
#include <QString>

#include <functional>

// The mouse messages the tray reports, numbered as the notification area numbers them.
inline constexpr int WM_LBUTTONDOWN = 513;
inline constexpr int WM_LBUTTONUP = 514;
inline constexpr int WM_LBUTTONDBLCLK = 515;
inline constexpr int WM_RBUTTONDOWN = 516;
inline constexpr int WM_RBUTTONUP = 517;

// The program's one icon in the notification area.
class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    virtual bool isAvailable() const = 0;
    virtual void add(const QIcon& icon, const QString& tip) = 0;
    virtual void modify(const QIcon& icon, const QString& tip) = 0;
    virtual void remove() = 0;

    // Called with one of the mouse messages above.
    std::function<void(int message)> onMouse;
};
