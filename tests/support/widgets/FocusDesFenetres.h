#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QWidget>

// What a real message box does to the focus: takes it from the window, then gives it back.
// Answers 1 when both happened.
inline int prendreEtRendreLeFocus(QWidget& fenêtre) {
    QWidget boîte;
    boîte.show();
    boîte.activateWindow();
    const bool prise = QTest::qWaitForWindowActive(&boîte);
    boîte.close();
    fenêtre.activateWindow();
    const bool rendue = QTest::qWaitForWindowActive(&fenêtre);
    return prise && rendue ? 1 : 0;
}

// Runs what is already queued, and what that queues in turn (a check posted for after the key that
// moved the focus, the focus events of a closing window): what has not happened then will not happen
// without new input.
inline void traiterCeQuiAttend() {
    for (int passe = 0; passe < 3; ++passe) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// The widget that holds the focus, or the one whose focus proxy it is.
inline bool aLeFocus(QWidget* widget) {
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == widget || widget->isAncestorOf(focus));
}
