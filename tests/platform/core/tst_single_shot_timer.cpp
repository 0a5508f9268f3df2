// Wake-ups at a time of the clock, as the system gives them and as the tests' fake clock gives them.
#include "FakeCore.h"
#include "TestFolder.h"

#include "platform/core/QtPlatformCore.h"

#include <QElapsedTimer>
#include <QTest>

class TestSingleShotTimer : public QObject {
    Q_OBJECT

private slots:
    void firesOnceAtItsTime() {
        const TestFolder dossier;
        QtPlatformCore core(dossier.folder());
        const std::unique_ptr<SingleShotTimer> timer = core.createTimer();
        int fired = 0;
        QDateTime firedAt;
        timer->onTimeout = [&] {
            ++fired;
            firedAt = core.now();
        };
        const QDateTime when = core.now().addMSecs(200);
        timer->start(when);
        QVERIFY(timer->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 10000);
        QVERIFY(firedAt >= when.addMSecs(-5)); // not before its time, to the timer's precision
        QVERIFY(!timer->isActive());
        QCoreApplication::processEvents();
        QCOMPARE(fired, 1);
    }

    void pastDeadlineFiresAtOnceAndStopCancels() {
        const TestFolder dossier;
        QtPlatformCore core(dossier.folder());
        const std::unique_ptr<SingleShotTimer> late = core.createTimer();
        const std::unique_ptr<SingleShotTimer> stopped = core.createTimer();
        int lateFired = 0, stoppedFired = 0;
        late->onTimeout = [&] { ++lateFired; };
        stopped->onTimeout = [&] { ++stoppedFired; };
        stopped->start(core.now());
        stopped->stop();
        QVERIFY(!stopped->isActive());
        late->start(core.now().addSecs(-3600));
        QTRY_COMPARE_WITH_TIMEOUT(lateFired, 1, 10000);
        QCoreApplication::processEvents();
        QCOMPARE(stoppedFired, 0);
    }

    void startingAgainReplacesTheWakeUp() {
        const TestFolder dossier;
        QtPlatformCore core(dossier.folder());
        const std::unique_ptr<SingleShotTimer> timer = core.createTimer();
        int fired = 0;
        timer->onTimeout = [&] { ++fired; };
        timer->start(core.now().addSecs(3600));
        timer->start(core.now());
        QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 10000);
        QVERIFY(!timer->isActive());
    }

    // The fake: timers fire in time order at their deadlines as the clock is advanced; a jump of the clock
    // carries running timers with it.
    void fakeAdvancesInOrder() {
        FakeCore core;
        const QDateTime début = core.clock;
        const std::unique_ptr<SingleShotTimer> a = core.createTimer();
        const std::unique_ptr<SingleShotTimer> b = core.createTimer();
        QStringList fired;
        a->onTimeout = [&] {
            fired << QStringLiteral("a ") + core.now().toString(QStringLiteral("HH:mm:ss"));
            if (fired.size() < 4) a->start(core.now().addSecs(60)); // again, after b
        };
        b->onTimeout = [&] {
            fired << QStringLiteral("b ") + core.now().toString(QStringLiteral("HH:mm:ss"));
        };
        a->start(début.addSecs(10));
        b->start(début.addSecs(60));
        core.advanceMinutes(3);
        QCOMPARE(fired, QStringList({"a 10:30:00", "b 10:30:50", "a 10:31:00", "a 10:32:00"}));
        QCOMPARE(core.clock, début.addSecs(180));
        QCOMPARE(core.activeTimers(), 0);

        a->start(core.clock.addSecs(30));
        core.jumpBy(3600);
        QCOMPARE(core.activeTimers(), 1);
        core.advanceTo(core.clock.addSecs(29));
        QCOMPARE(fired.size(), 4);
        core.advanceTo(core.clock.addSecs(1));
        QCOMPARE(fired.size(), 5);
        QCOMPARE(fired.constLast(), QStringLiteral("a 11:33:20"));
    }
};

QTEST_GUILESS_MAIN(TestSingleShotTimer)
#include "tst_single_shot_timer.moc"
