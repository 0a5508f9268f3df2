#include "FakePlatform.h"

#include <QDialog>
#include <QMenu>
#include <QTest>

FakePlatform::~FakePlatform() {
    QStringList faults = unscripted_;
    const auto unused = [&faults](std::size_t count, const char* what) {
        if (count > 0)
            faults << QStringLiteral("%1 scripted %2 never asked for").arg(count).arg(QLatin1String(what));
    };
    unused(answers.size(), "Yes/No answer(s)");
    unused(inputs.size(), "input box answer(s)");
    unused(chosenFiles.size(), "file dialog answer(s)");
    unused(chosenColours.size(), "colour box answer(s)");
    unused(chosenFonts.size(), "font box answer(s)");
    unused(dialogHandlers.size(), "dialog handler(s)");
    if (faults.isEmpty()) return;

    const QByteArray report =
        (QStringLiteral("scripted platform: ") + faults.join(QStringLiteral("; "))).toUtf8();
    if (!QTest::currentTestFunction()) qFatal("%s", report.constData());
    // A test that failed already has stopped half-way: what it left is no news, but may explain it.
    if (QTest::currentTestFailed()) {
        qWarning("%s", report.constData());
        return;
    }
    QTest::qFail(report.constData(), __FILE__, __LINE__);
}

void FakeTray::add(const QIcon&, const QString& newTip) {
    calls << QStringLiteral("add");
    if (journal) *journal << QStringLiteral("tray:add");
    shown = true;
    tip = newTip;
}

void FakeTray::modify(const QIcon&, const QString& newTip) {
    calls << QStringLiteral("modify");
    if (journal) *journal << QStringLiteral("tray:modify");
    tip = newTip;
}

void FakeTray::remove() {
    calls << QStringLiteral("remove");
    if (journal) *journal << QStringLiteral("tray:remove");
    shown = false;
}

QString FakeClipboard::text() const {
    return formats.contains(ClipboardFormat::Text) ? heldText : QString();
}

ClipboardImage FakeClipboard::image(const std::function<bool(const QSize&)>& acceptable) const {
    if (!formats.contains(ClipboardFormat::Bitmap) &&
        !formats.contains(ClipboardFormat::DeviceIndependentBitmap))
        return {};
    const QSize size = claimedImageSize.isValid() ? claimedImageSize : heldImage.size();
    if (size.isEmpty()) return {};
    if (!acceptable(size)) return {QImage(), size, true};
    return {heldImage, size, false};
}

void FakeClipboard::record(const QString& call) {
    calls << call;
    if (journal) *journal << QStringLiteral("clipboard:") + call;
    formats.clear();
    heldText.clear();
    heldImage = QImage();
    claimedImageSize = QSize();
}

void FakeClipboard::setText(const QString& newText) {
    record(QStringLiteral("setText"));
    formats = {ClipboardFormat::Text};
    heldText = newText;
}

void FakeClipboard::setImage(const QImage& newImage) {
    record(QStringLiteral("setImage"));
    formats = {ClipboardFormat::Bitmap, ClipboardFormat::DeviceIndependentBitmap};
    heldImage = newImage;
}

int FakePlatform::messageBox(QWidget& owner, const QString& text, MessageButtons buttons, MessageIcon icon,
                             const QString& caption) {
    const ShownMessage shown{text, buttons, icon, caption, &owner};
    messages << shown;
    journal << QStringLiteral("message:") + text;
    if (onMessage) {
        ++boxesOpen_;
        onMessage(shown);
        --boxesOpen_;
    }
    if (buttons == MessageButtons::Ok) return vbOK;
    if (answers.empty()) {
        unscripted_ << QStringLiteral("unscripted Yes/No box \"%1\": %2").arg(caption, text);
        return vbNo;
    }
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

QString FakePlatform::inputBox(QWidget& owner, const QString& prompt, const QString& caption,
                               const QString& defaultAnswer) {
    inputBoxes << ShownInput{prompt, caption, defaultAnswer, &owner};
    journal << QStringLiteral("input:") + prompt;
    if (inputs.empty()) {
        unscripted_ << QStringLiteral("unscripted input box \"%1\": %2").arg(caption, prompt);
        return defaultAnswer;
    }
    const std::optional<QString> answer = inputs.front();
    inputs.pop_front();
    return answer.value_or(defaultAnswer);
}

QString FakePlatform::openFileName(QWidget& owner, const OpenFileRequest& request) {
    fileRequests << ShownFileDialog{request, &owner};
    if (chosenFiles.empty()) {
        unscripted_ << QStringLiteral("unscripted file-open dialog \"%1\"").arg(request.title);
        return {};
    }
    QString answer = chosenFiles.front();
    chosenFiles.pop_front();
    return answer;
}

QString FakePlatform::saveFileName(QWidget& owner, const OpenFileRequest& request) {
    fileRequests << ShownFileDialog{request, &owner, true};
    if (chosenFiles.empty()) {
        unscripted_ << QStringLiteral("unscripted file-save dialog \"%1\"").arg(request.title);
        return {};
    }
    QString answer = chosenFiles.front();
    chosenFiles.pop_front();
    return answer;
}

std::optional<QColor> FakePlatform::chooseColor(QWidget& owner, const QString& title, const QColor& initial) {
    colourDialogs << ShownColourDialog{title, initial, &owner};
    journal << QStringLiteral("colour:") + title;
    if (chosenColours.empty()) {
        unscripted_ << QStringLiteral("unscripted colour box \"%1\"").arg(title);
        return std::nullopt;
    }
    const std::optional<QColor> answer = chosenColours.front();
    chosenColours.pop_front();
    return answer;
}

std::optional<QFont> FakePlatform::chooseFont(QWidget& owner, const QString& title, const QFont& initial) {
    fontDialogs << ShownFontDialog{title, initial, &owner};
    journal << QStringLiteral("font:") + title;
    if (chosenFonts.empty()) {
        unscripted_ << QStringLiteral("unscripted font box \"%1\"").arg(title);
        return std::nullopt;
    }
    const std::optional<QFont> answer = chosenFonts.front();
    chosenFonts.pop_front();
    return answer;
}

void FakePlatform::keepAbove(QWidget& window, bool above) {
    keptAbove << qMakePair(static_cast<const QWidget*>(&window), above);
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, above);
    window.overrideWindowFlags(flags);
}

int FakePlatform::execDialog(QWidget& owner, QDialog& dialog) {
    dialogsShown << ShownDialog{dialog.objectName(), dialog.windowTitle(), &owner};
    journal << QStringLiteral("dialog:") + dialog.objectName();
    if (dialogHandlers.empty()) {
        unscripted_
            << QStringLiteral("unscripted dialog \"%1\" (%2)").arg(dialog.windowTitle(), dialog.objectName());
        return QDialog::Rejected;
    }
    auto handler = std::move(dialogHandlers.front());
    dialogHandlers.pop_front();
    dialog.show();
    ++boxesOpen_;
    const int result = handler(dialog);
    --boxesOpen_;
    dialog.hide();
    return result;
}

void FakePlatform::popupMenu(QMenu& menu, const QPoint& globalPosition) {
    menusShown << &menu;
    menuPositions << globalPosition;
}

QStringList FakePlatform::dialogNames() const {
    QStringList names;
    for (const ShownDialog& dialog : dialogsShown)
        names << dialog.name;
    return names;
}
