#pragma once

#include "Platform.h"
#include "ProgramFolder.h"
#include "QtTrayIcon.h"

#include <QLockFile>
#include <QRandomGenerator>

#include <memory>

// The platform as the desktop gives it, through Qt.
class QtPlatform final : public Platform {
public:
    // The program folder holds the lock that tells whether another copy runs.
    explicit QtPlatform(ProgramFolder dossier);
    ~QtPlatform() override;

    int messageBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                   const QString& caption) override;
    QString inputBox(const QString& prompt, const QString& caption, const QString& defaultAnswer) override;
    QString openFileName(const OpenFileRequest& request) override;
    int execDialog(QDialog& dialog) override;
    void popupMenu(QMenu& menu, const QPoint& globalPosition) override;
    void beep() override;

    QDateTime now() const override;
    void randomize() override;
    double rnd() override;

    StartResult startProgram(const QString& commandLine) override;
    bool anotherCopyRunning() override;
    TrayIcon& tray() override;
    QRect screenArea() const override;
    QPoint cursorPosition() const override;

private:
    ProgramFolder dossier_;
    QRandomGenerator random_;
    std::unique_ptr<QLockFile> instanceLock_;
    std::unique_ptr<QtTrayIcon> tray_;
};
