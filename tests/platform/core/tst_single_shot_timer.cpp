// Wake-ups at a time of the clock, as the system gives them and as the tests' fake clock gives them.
#include "FakeCore.h"
#include "TestFolder.h"

#include "platform/core/QtPlatformCore.h"
#include "platform/core/QtSingleShotTimer.h"

#include <QElapsedTimer>
#include <QTest>

namespace {

// The system's time, put forward or back by the test.
class HorlogeDécalée final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime().addSecs(décalage); }
    std::unique_ptr<SingleShotTimer> createTimer() override { return nullptr; }
    qint64 décalage = 0;
};

} // namespace

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

    // The clock put forward past its time fires it at its next look at the clock; put back, it fires
    // once the time it had left has passed.
    void followsTheClock() {
        HorlogeDécalée horloge;
        QtSingleShotTimer enAvant(horloge, 50), enArrière(horloge, 50);
        int avant = 0, arrière = 0;
        enAvant.onTimeout = [&] { ++avant; };
        enArrière.onTimeout = [&] { ++arrière; };
        enAvant.start(horloge.now().addSecs(3600));
        enArrière.start(horloge.now().addMSecs(300));
        horloge.décalage = -7200;
        QTRY_COMPARE_WITH_TIMEOUT(arrière, 1, 10000);
        QCOMPARE(avant, 0);
        horloge.décalage = 3600;
        QTRY_COMPARE_WITH_TIMEOUT(avant, 1, 10000);
    }

    // The fake: timers fire in time order as the clock is advanced; after a jump of the clock, at once
    // when the clock passed their time, else once the time they had left has passed.
    void fakeAdvancesInOrder() {
        FakeCore core;
        const QDateTime début = core.clock;
        const std::unique_ptr<SingleShotTimer> a = core.createTimer();
        const std::unique_ptr<SingleShotTimer> b = core.createTimer();
        QStringList fired;
        const auto heure = [&core] { return core.now().toString(QStringLiteral("HH:mm:ss")); };
        a->onTimeout = [&] {
            fired << QStringLiteral("a ") + heure();
            if (fired.size() < 4) a->start(core.now().addSecs(60)); // again, after b
        };
        b->onTimeout = [&] { fired << QStringLiteral("b ") + heure(); };
        a->start(début.addSecs(10));
        b->start(début.addSecs(60));
        core.advanceMinutes(3);
        QCOMPARE(fired, QStringList({"a 10:30:00", "b 10:30:50", "a 10:31:00", "a 10:32:00"}));
        QCOMPARE(core.clock, début.addSecs(180));
        QCOMPARE(core.activeTimers(), 0);

        // Forward past b's time: b fires at the next advance. Back before a's time: a fires after its 30 s.
        fired.clear();
        b->start(core.clock.addSecs(30));
        core.jumpBy(3600);
        core.advanceTo(core.clock);
        QCOMPARE(fired, QStringList{"b 11:32:50"});
        a->start(core.clock.addSecs(30));
        core.jumpBy(-7200);
        core.advanceTo(core.clock.addSecs(29));
        QCOMPARE(fired.size(), 1);
        core.advanceTo(core.clock.addSecs(1));
        QCOMPARE(fired, QStringList({"b 11:32:50", "a 09:33:20"}));
    }
};

QTEST_GUILESS_MAIN(TestSingleShotTimer)
#include "tst_single_shot_timer.moc"
