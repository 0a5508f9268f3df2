#pragma once

#include "FakeCore.h"
#include "FakePrinter.h"

#include "platform/widgets/Platform.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

// What the program showed, each with the window it named as its owner (compared, never used).
struct ShownMessage {
    QString text;
    MessageButtons buttons;
    MessageIcon icon;
    QString caption;
    const QWidget* owner = nullptr;
};

struct ShownInput {
    QString prompt;
    QString caption;
    QString defaultAnswer;
    const QWidget* owner = nullptr;
};

struct ShownFileDialog : OpenFileRequest {
    const QWidget* owner = nullptr;
    bool save = false; // a file-save dialog
};

struct ShownColourDialog {
    QString title;
    QColor initial;
    const QWidget* owner = nullptr;
};

struct ShownFontDialog {
    QString title;
    QFont initial;
    const QWidget* owner = nullptr;
};

struct ShownDialog {
    QString name; // the dialog's object name
    QString title;
    const QWidget* owner = nullptr;
};

class FakeTray final : public TrayIcon {
public:
    bool isAvailable() const override { return available; }
    void add(const QIcon& icon, const QString& tip) override;
    void modify(const QIcon& icon, const QString& tip) override;
    void remove() override;
    void press(int message) {
        if (onMouse) onMouse(message);
    }

    bool available = true;
    bool shown = false;
    QStringList* journal = nullptr;
    QString tip;
    QStringList calls; // "add", "modify", "remove" in order
};

// A clipboard that a test fills as another program would: the formats it holds, its text, its picture.
// What the program puts there replaces it all, as on the desktop; each call is recorded.
class FakeClipboard final : public Clipboard {
public:
    bool hasFormat(ClipboardFormat format) const override { return formats.contains(format); }
    QString text() const override;
    ClipboardImage image(const std::function<bool(const QSize&)>& acceptable) const override;
    void setText(const QString& newText) override;
    void setImage(const QImage& newImage) override;

    QList<ClipboardFormat> formats;
    QString heldText;
    QImage heldImage;
    // The size the picture's data claims, when it is not heldImage's: a huge picture without its pixels.
    QSize claimedImageSize;
    QStringList calls; // "setText", "setImage" in order
    QStringList* journal = nullptr;

private:
    void record(const QString& call); // and empties the clipboard, as putting anything there does
};

// A strict scripted platform: answers are queued by the test, everything the program asks is recorded,
// and no test ever waits on a real modal window. A box whose only button is OK needs no answer. Any other
// box, input box, file-open or file-save, colour or font box or dialog that the test did not script, and any
// scripted answer left unused, fails the running test when the fake goes (at the end of the test, or in its
// cleanup()), naming what was shown. Meanwhile an unscripted question answers No, an input box its
// default, a file dialog, colour or font box Cancel and a dialog Rejected.
class FakePlatform final : public Platform, public FakeCore {
public:
    FakePlatform() {
        trayIcon.journal = &journal;
        clipboardContent.journal = &journal;
        fakePrinter.journal = &journal;
    }
    ~FakePlatform() override;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

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
    void beep() override {
        ++beeps;
        journal << QStringLiteral("beep");
    }
    void alarmBeep() override {
        ++alarmBeeps;
        journal << QStringLiteral("alarm-beep");
    }
    // While a box's onMessage or a dialog's handler runs.
    bool modalBoxOpen() const override { return boxesOpen_ > 0; }

    TrayIcon& tray() override { return trayIcon; }
    Clipboard& clipboard() override { return clipboardContent; }
    Printer& printer() override { return *printerInUse; }
    QRect screenArea() const override { return screen; }
    QRect availableArea(const QWidget&) const override { return available; }
    // Records the call, and notes the flag in the widget as the desktop part does, window left as it is.
    void keepAbove(QWidget& window, bool above) override;
    QPoint cursorPosition() const override { return cursor; }

    // Scripted answers.
    std::deque<int> answers;                   // message boxes with Yes/No
    std::deque<std::optional<QString>> inputs; // input boxes; std::nullopt: OK on the default answer
    std::deque<QString> chosenFiles;           // file-open and file-save dialogs; "" = cancelled
    std::deque<std::optional<QColor>> chosenColours;         // colour boxes; std::nullopt = cancelled
    std::deque<std::optional<QFont>> chosenFonts;            // font boxes; std::nullopt = cancelled
    std::deque<std::function<int(QDialog&)>> dialogHandlers; // run while "shown", answer the result code
    std::function<void(const ShownMessage&)> onMessage;      // runs when a box is shown
    QRect screen = QRect(0, 0, 1280, 800);
    QRect available = QRect(0, 0, 1280, 776); // below a 24-pixel panel along the bottom
    QPoint cursor = QPoint(100, 100);

    // Recorded.
    QList<ShownMessage> messages;
    QList<ShownInput> inputBoxes;
    QList<ShownFileDialog> fileRequests;
    QList<ShownDialog> dialogsShown;
    QList<ShownColourDialog> colourDialogs;
    QList<ShownFontDialog> fontDialogs;
    QList<QPair<const QWidget*, bool>> keptAbove; // each keepAbove call
    QList<QMenu*> menusShown;
    QList<QPoint> menuPositions; // global, one for each of menusShown
    FakeTray trayIcon;
    FakeClipboard clipboardContent;
    FakePrinter fakePrinter;
    Printer* printerInUse = &fakePrinter; // a test of the real drawing puts the desktop's printer
    int beeps = 0;
    int alarmBeeps = 0;

    QStringList dialogNames() const; // of dialogsShown, in order

private:
    QStringList unscripted_; // what was shown without an answer, as the failure will name it
    int boxesOpen_ = 0;
};
