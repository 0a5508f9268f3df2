// The caret stops blinking after a while without input and blinks again at the next key or click.
#include "FakeCore.h"

#include "platform/widgets/CaretBlinkLimit.h"

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QStyleHints>
#include <QTest>

namespace {

// The text box blinks its caret with a timer of its own, on its text control.
bool caretBlinks(const QPlainTextEdit& édition) {
    for (QObject* enfant : édition.findChildren<QObject*>())
        if (!QAbstractEventDispatcher::instance()->registeredTimers(enfant).isEmpty()) return true;
    return false;
}

} // namespace

class TestCaretBlinkLimit : public QObject {
    Q_OBJECT

private slots:
    void stopsAfterIdleAndBlinksAgainAtInput_data() {
        QTest::addColumn<bool>("parClic");
        QTest::newRow("key") << false;
        QTest::newRow("click") << true;
    }

    void stopsAfterIdleAndBlinksAgainAtInput() {
        QFETCH(bool, parClic);
        const int clignotementDuBureau = QGuiApplication::styleHints()->cursorFlashTime();
        QVERIFY(clignotementDuBureau > 0);
        FakeCore core;
        QPlainTextEdit édition;
        édition.show();
        édition.activateWindow();
        édition.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&édition));
        {
            const CaretBlinkLimit limite(core);
            QVERIFY(caretBlinks(édition));

            core.advanceTo(core.clock.addSecs(9));
            QVERIFY(limite.blinking());
            QVERIFY(caretBlinks(édition));
            core.advanceTo(core.clock.addSecs(1));
            QVERIFY(!limite.blinking());
            QVERIFY(!caretBlinks(édition));
            QCOMPARE(core.activeTimers(), 0); // nothing left to wake the program

            if (parClic)
                QTest::mouseClick(édition.viewport(), Qt::LeftButton);
            else
                QTest::keyClick(&édition, Qt::Key_A);
            QVERIFY(limite.blinking());
            QVERIFY(caretBlinks(édition));

            // Counted from the last input.
            core.advanceTo(core.clock.addSecs(5));
            QTest::keyClick(&édition, Qt::Key_B);
            core.advanceTo(core.clock.addSecs(9));
            QVERIFY(limite.blinking());
            core.advanceTo(core.clock.addSecs(1));
            QVERIFY(!limite.blinking());
        }
        // Gone, it leaves the desktop's blinking as it found it.
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), clignotementDuBureau);
        QVERIFY(caretBlinks(édition));
    }
};

QTEST_MAIN(TestCaretBlinkLimit)
#include "tst_caret_blink_limit.moc"
