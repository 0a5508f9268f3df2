#include "QtPlatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QCursor>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace {

// A box that its window owns: shown over that window, the focus goes back there when it closes. Should the
// window go while the box waits (the program told to end), the box goes with it and its exec() answers
// Rejected; otherwise the box goes with this object.
template <typename Box> class OwnedBox {
public:
    template <typename... Args>
    explicit OwnedBox(Args&&... args) : box_(new Box(std::forward<Args>(args)...)) {}
    ~OwnedBox() { delete box_.data(); }
    OwnedBox(const OwnedBox&) = delete;
    OwnedBox& operator=(const OwnedBox&) = delete;

    Box* operator->() const { return box_.data(); }
    Box& operator*() const { return *box_; }

private:
    QPointer<Box> box_;
};

// Gives the keyboard back, as the box goes, to the window that had it when the box came: the request
// reaches the desktop while the box is still on the screen, so that the desktop does not hand the focus to
// another window of the program meanwhile (which would count as leaving a memo). Call it once the box's
// flags are final, just before showing it.
class FocusReturn {
public:
    explicit FocusReturn(QWidget& box) : previous_(QApplication::activeWindow()) {
        box.winId(); // the native window, whose hiding is announced before it happens
        connection_ =
            QObject::connect(box.windowHandle(), &QWindow::visibleChanged, &box, [this](bool visible) {
                if (!visible && previous_ && previous_->isVisible()) previous_->activateWindow();
            });
    }
    ~FocusReturn() { QObject::disconnect(connection_); }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> previous_;
    QMetaObject::Connection connection_;
};

// A box shows texts from files and from the user, of any length: a screenful at most, or laying it out
// would hold the program for seconds and the box would not fit on the screen.
constexpr int MESSAGE_MAX_CHARACTERS = 2000;
constexpr int MESSAGE_MAX_LINES = 40;
constexpr int CAPTION_MAX_CHARACTERS = 200;

QString shortened(const QString& text, int maxCharacters, int maxLines) {
    qsizetype end = std::min<qsizetype>(text.size(), maxCharacters);
    int lines = 1;
    for (qsizetype i = 0; i < end; ++i)
        if (text.at(i) == QLatin1Char('\n') && ++lines > maxLines) end = i;
    return end == text.size() ? text : text.left(end) + QChar(0x2026);
}

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// "All Files (*.*)|*.*|Exécutables (*.exe)|*.exe" → Qt's ";;"-separated filters, one per pair.
QStringList qtFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString caption = parts[i];
        const qsizetype open = caption.indexOf(QLatin1Char('('));
        if (open >= 0) caption = caption.left(open).trimmed();
        filters << caption + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

} // namespace

QtPlatform::QtPlatform(ProgramFolder dossier) : QtPlatformCore(std::move(dossier)) {}

QtPlatform::~QtPlatform() = default;

int QtPlatform::messageBox(QWidget& owner, const QString& text, MessageButtons buttons, MessageIcon icon,
                           const QString& caption) {
    OwnedBox<QMessageBox> box(qtIcon(icon), shortened(caption, CAPTION_MAX_CHARACTERS, 1),
                              shortened(text, MESSAGE_MAX_CHARACTERS, MESSAGE_MAX_LINES),
                              QMessageBox::NoButton, &owner);
    if (buttons == MessageButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
        box->button(QMessageBox::No)->setText(QStringLiteral("&Non"));
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    // The text may come from the user or a file: never read as HTML.
    box->setTextFormat(Qt::PlainText);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    const FocusReturn focusReturn(*box);
    const int answer = box->exec();
    if (buttons == MessageButtons::YesNo) return answer == QMessageBox::Yes ? vbYes : vbNo;
    return vbOK;
}

QString QtPlatform::inputBox(QWidget& owner, const QString& prompt, const QString& caption,
                             const QString& defaultAnswer) {
    OwnedBox<QInputDialog> dialog(&owner);
    dialog->setWindowTitle(caption);
    // A bare carriage return breaks the line too, as the callers write their prompts.
    QString shown = prompt;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    dialog->setLabelText(shown);
    dialog->setTextValue(defaultAnswer);
    dialog->setOkButtonText(QStringLiteral("OK"));
    dialog->setCancelButtonText(QStringLiteral("Annuler"));
    for (QLabel* label : dialog->findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
    const FocusReturn focusReturn(*dialog);
    if (dialog->exec() != QDialog::Accepted) return {};
    return dialog->textValue();
}

QString QtPlatform::openFileName(QWidget& owner, const OpenFileRequest& request) {
    OwnedBox<QFileDialog> dialog(&owner, request.title, request.initialFolder);
    dialog->setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = qtFilters(request.filter);
    dialog->setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog->selectNameFilter(filters[request.filterIndex - 1]);
    const FocusReturn focusReturn(*dialog);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    return dialog->selectedFiles().constFirst();
}

QString QtPlatform::saveFileName(QWidget& owner, const OpenFileRequest& request) {
    OwnedBox<QFileDialog> dialog(&owner, request.title, request.initialFolder);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    const QStringList filters = qtFilters(request.filter);
    dialog->setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size()) {
        dialog->selectNameFilter(filters[request.filterIndex - 1]);
        // "*.pdf;*.PDF" → "pdf": what a name typed without an extension gets.
        const QString first =
            request.filter.section(QLatin1Char('|'), 2 * request.filterIndex - 1, 2 * request.filterIndex - 1)
                .section(QLatin1Char(';'), 0, 0);
        if (first.startsWith(QStringLiteral("*.")) && first.lastIndexOf(QLatin1Char('*')) == 0)
            dialog->setDefaultSuffix(first.mid(2));
    }
    const FocusReturn focusReturn(*dialog);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    return dialog->selectedFiles().constFirst();
}

std::optional<QColor> QtPlatform::chooseColor(QWidget& owner, const QString& title, const QColor& initial) {
    OwnedBox<QColorDialog> dialog(initial, &owner);
    dialog->setWindowTitle(title);
    const FocusReturn focusReturn(*dialog);
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    return dialog->selectedColor();
}

std::optional<QFont> QtPlatform::chooseFont(QWidget& owner, const QString& title, const QFont& initial) {
    OwnedBox<QFontDialog> dialog(initial, &owner);
    dialog->setWindowTitle(title);
    const FocusReturn focusReturn(*dialog);
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    return dialog->selectedFont();
}

int QtPlatform::execDialog(QWidget& owner, QDialog& dialog) {
    // The program's dialogs are made with their window as parent; one made without it is given it here.
    if (dialog.parentWidget() != &owner) dialog.setParent(&owner, dialog.windowFlags());
    const FocusReturn focusReturn(dialog);
    return dialog.exec();
}

void QtPlatform::popupMenu(QMenu& menu, const QPoint& globalPosition) {
    menu.popup(globalPosition);
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::alarmBeep() {
    // The X bell only when the sound theme cannot be played: most desktops mute it.
    if (!alarmSound_.play()) QApplication::beep();
}

bool QtPlatform::modalBoxOpen() const {
    return QApplication::activeModalWidget() != nullptr;
}

TrayIcon& QtPlatform::tray() {
    if (!tray_) tray_ = std::make_unique<QtTrayIcon>();
    return *tray_;
}

Clipboard& QtPlatform::clipboard() {
    return clipboard_;
}

QRect QtPlatform::screenArea() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QRect QtPlatform::availableArea(const QWidget& window) const {
    const QScreen* screen = window.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : screenArea();
}

void QtPlatform::keepAbove(QWidget& window, bool above) {
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, above);
    if (!window.windowHandle()) {
        // Not made yet: the flag goes with the window when it is.
        window.setWindowFlags(flags);
        return;
    }
    // Changing a widget's flags would make its window again, hiding and showing it, which moves the
    // activation to another window. The window as it is changes its stacking instead (X11: the
    // _NET_WM_STATE_ABOVE state; Windows: HWND_TOPMOST without activating); the widget notes the flags.
    window.overrideWindowFlags(flags);
    window.windowHandle()->setFlags(flags);
}

QPoint QtPlatform::cursorPosition() const {
    return QCursor::pos();
}
