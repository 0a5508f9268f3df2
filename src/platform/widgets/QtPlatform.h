#pragma once

#include "AlarmSound.h"
#include "Platform.h"
#include "QtClipboard.h"
#include "QtPrinter.h"
#include "QtTrayIcon.h"

#include "platform/core/QtPlatformCore.h"

#include <memory>

// The platform as the desktop gives it, through Qt.
class QtPlatform final : public Platform, public QtPlatformCore {
public:
    explicit QtPlatform(ProgramFolder dossier);
    ~QtPlatform() override;

    int messageBox(QWidget& owner, const QString& text, MessageButtons buttons, MessageIcon icon,
                   const QString& caption) override;
    QString inputBox(QWidget& owner, const QString& prompt, const QString& caption,
                     const QString& defaultAnswer) override;
    QString openFileName(QWidget& owner, const OpenFileRequest& request) override;
    QString saveFileName(QWidget& owner, const OpenFileRequest& request) override;
    std::optional<QColor> chooseColor(QWidget& owner, const QString& title, const QColor& initial) override;
    std::optional<QFont> chooseFont(QWidget& owner, const QString& title, const QFont& initial) override;
    int execDialog(QWidget& owner, QDialog& dialog) override;
    void popupMenu(QMenu& menu, const QPoint& globalPosition) override;
    void beep() override;
    void alarmBeep() override;
    bool modalBoxOpen() const override;

    TrayIcon& tray() override;
    Clipboard& clipboard() override;
    Printer& printer() override { return printer_; }
    QRect screenArea() const override;
    QRect availableArea(const QWidget& window) const override;
    void keepAbove(QWidget& window, bool above) override;
    QPoint cursorPosition() const override;

private:
    std::unique_ptr<QtTrayIcon> tray_;
    QtClipboard clipboard_;
    QtPrinter printer_;
    AlarmSound alarmSound_;
};
