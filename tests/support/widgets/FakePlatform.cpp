#include "FakePlatform.h"

#include <QDialog>
#include <QMenu>

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

int FakePlatform::messageBox(QWidget& owner, const QString& text, MessageButtons buttons, MessageIcon icon,
                             const QString& caption) {
    const ShownMessage shown{text, buttons, icon, caption, &owner};
    messages << shown;
    journal << QStringLiteral("message:") + text;
    if (onMessage) onMessage(shown);
    if (buttons == MessageButtons::Ok) return vbOK;
    if (answers.empty()) return vbNo;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

QString FakePlatform::inputBox(QWidget& owner, const QString& prompt, const QString& caption,
                               const QString& defaultAnswer) {
    inputBoxes << ShownInput{prompt, caption, defaultAnswer, &owner};
    journal << QStringLiteral("input:") + prompt;
    if (inputs.empty()) return defaultAnswer;
    QString answer = inputs.front();
    inputs.pop_front();
    return answer;
}

QString FakePlatform::openFileName(QWidget& owner, const OpenFileRequest& request) {
    fileRequests << ShownFileDialog{request, &owner};
    if (chosenFiles.empty()) return {};
    QString answer = chosenFiles.front();
    chosenFiles.pop_front();
    return answer;
}

int FakePlatform::execDialog(QWidget& owner, QDialog& dialog) {
    dialogsShown << ShownDialog{dialog.objectName(), dialog.windowTitle(), &owner};
    journal << QStringLiteral("dialog:") + dialog.objectName();
    if (dialogHandlers.empty()) return QDialog::Rejected;
    auto handler = std::move(dialogHandlers.front());
    dialogHandlers.pop_front();
    dialog.show();
    const int result = handler(dialog);
    dialog.hide();
    return result;
}

void FakePlatform::popupMenu(QMenu& menu, const QPoint&) {
    menusShown << &menu;
}

QStringList FakePlatform::dialogNames() const {
    QStringList names;
    for (const ShownDialog& dialog : dialogsShown)
        names << dialog.name;
    return names;
}
