// The signals that end the program from outside reach the event loop instead of ending the process.
#include "platform/core/EndSignals.h"

#include <QTest>

#include <csignal>

namespace {

void (*handlerOf(int signal))(int) {
    struct sigaction current = {};
    ::sigaction(signal, nullptr, &current);
    return current.sa_handler;
}

} // namespace

class TestEndSignals : public QObject {
    Q_OBJECT
private slots:
    void reachTheEventLoop_data();
    void reachTheEventLoop();
    void oneWatcherAtATime();
};

void TestEndSignals::reachTheEventLoop_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
}

void TestEndSignals::reachTheEventLoop() {
    QFETCH(int, signal);
    const auto before = handlerOf(signal);
    QList<int> received;
    {
        const EndSignals watcher([&received](int s) { received << s; });
        QVERIFY(watcher.isWatching());
        // Still alive after each: the process was not ended, and each signal arrives once, in order.
        QCOMPARE(::raise(signal), 0);
        QCOMPARE(::raise(SIGTERM), 0);
        QTRY_COMPARE(received, QList<int>({signal, SIGTERM}));
    }
    // Afterwards the signal has its former handler again.
    QVERIFY(handlerOf(signal) == before);
}

void TestEndSignals::oneWatcherAtATime() {
    QList<int> first, second;
    const EndSignals watcher([&first](int s) { first << s; });
    {
        const EndSignals other([&second](int s) { second << s; });
        QVERIFY(!other.isWatching());
    }
    QVERIFY(watcher.isWatching());
    QCOMPARE(::raise(SIGHUP), 0);
    QTRY_COMPARE(first, QList<int>{SIGHUP});
    QVERIFY(second.isEmpty());
}

QTEST_GUILESS_MAIN(TestEndSignals)
#include "tst_end_signals.moc"
