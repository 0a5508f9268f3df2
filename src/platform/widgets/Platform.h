#pragma once

#include "Clipboard.h"
#include "MessageBoxes.h"
#include "Printer.h"
#include "TrayIcon.h"

#include "platform/core/PlatformCore.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

class QDialog;
class QMenu;
class QWidget;

// What the file-open dialog is asked; the answer is the chosen file's full path, empty when cancelled.
struct OpenFileRequest {
    QString title;
    QString initialFolder;
    QString filter;      // "Caption|pattern|Caption|pattern…", as the callers write it
    int filterIndex = 1; // 1-based
};

// Everything modal or outside the process goes through here, so that tests can script it: the core part
// (time, chance, programs) and what needs windows. Further desktop services come as parts of their own,
// reached as tray() is.
class Platform : public virtual PlatformCore {
public:
    // Modal boxes and dialogs, each shown over the window that opens it (owner), where the focus goes back
    // when it closes. messageBox answers vbOK, vbYes or vbNo; inputBox answers "" when cancelled.
    virtual int messageBox(QWidget& owner, const QString& text, MessageButtons buttons, MessageIcon icon,
                           const QString& caption) = 0;
    virtual QString inputBox(QWidget& owner, const QString& prompt, const QString& caption,
                             const QString& defaultAnswer) = 0;
    virtual QString openFileName(QWidget& owner, const OpenFileRequest& request) = 0;
    // The file-save dialog, on the same request: initialFolder may end with the name proposed, and the
    // first pattern of the chosen filter is the extension given to a name typed without one. Replacing a
    // file that exists is asked about first.
    virtual QString saveFileName(QWidget& owner, const OpenFileRequest& request) = 0;
    // The desktop's colour and font boxes, opened on initial; nothing when cancelled.
    virtual std::optional<QColor> chooseColor(QWidget& owner, const QString& title,
                                              const QColor& initial) = 0;
    virtual std::optional<QFont> chooseFont(QWidget& owner, const QString& title, const QFont& initial) = 0;
    // Shows one of the program's own dialogs modally over owner and answers its result code.
    virtual int execDialog(QWidget& owner, QDialog& dialog) = 0;
    // A popup menu belongs to the window that is its parent.
    virtual void popupMenu(QMenu& menu, const QPoint& globalPosition) = 0;
    virtual void beep() = 0;
    // An alarm's beep: a sound that is heard, where the plain beep is often muted.
    virtual void alarmBeep() = 0;
    // Whether one of the program's modal boxes or dialogs is open and waiting for the user.
    virtual bool modalBoxOpen() const = 0;

    // The desktop.
    virtual TrayIcon& tray() = 0;
    virtual Clipboard& clipboard() = 0;
    virtual Printer& printer() = 0;
    virtual QRect screenArea() const = 0; // pixels, the primary screen
    // Pixels: what the window's screen leaves to windows (without the desktop's panels).
    virtual QRect availableArea(const QWidget& window) const = 0;
    // Keeps a window above the others or lets it go back among them, at once and without taking the
    // activation from the window that has it.
    virtual void keepAbove(QWidget& window, bool above) = 0;
    virtual QPoint cursorPosition() const = 0;
};
