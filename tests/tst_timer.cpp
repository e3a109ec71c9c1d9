// The timer control: when it fires, how often, and what stops it.
#include "FakePlatform.h"
#include "TestWindow.h"
#include "framework/Timer.h"
#include "framework/Window.h"

#include <QElapsedTimer>
#include <QtTest>

class TestTimer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void singleShotFiresOnceAndNeverEarly_data();
    void singleShotFiresOnceAndNeverEarly();
    void settingTheModeAgainRestartsThePeriod();
    void multipleModeKeepsFiring();
    void elapseNowFiresOnlyWhenArmed();
    void closingTheWindowStopsIt();
};

void TestTimer::singleShotFiresOnceAndNeverEarly_data() {
    QTest::addColumn<qint64>("busyNs");
    QTest::newRow("idle loop") << qint64(0);
    // A handler holds the loop past the early wake and lets go a quarter of a
    // millisecond before the deadline: too early to fire, too late for a long wait.
    QTest::newRow("loop busy until just before the deadline") << qint64(149'750'000);
}

void TestTimer::singleShotFiresOnceAndNeverEarly() {
    QFETCH(qint64, busyNs);
    TestWindow window;
    fw::Timer timer(window);
    timer.SetPeriod(150);
    int fired = 0;
    qint64 firedAfterNs = -1;
    QElapsedTimer clock;
    timer.Action = [&] {
        ++fired;
        firedAfterNs = clock.nsecsElapsed();
    };
    clock.start();
    timer.SetMode(fw::Timer::ModeSingle);
    while (clock.nsecsElapsed() < busyNs) {
    }
    QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 3000);
    // firedEarly: the clock started before the timer was set, so less than the
    // period on it means the timer fired before its deadline.
    QVERIFY2(firedAfterNs >= 150'000'000, qPrintable(QString::number(firedAfterNs)));
    QCOMPARE(timer.Mode(), int(fw::Timer::ModeOff));
    QTest::qWait(400);
    QCOMPARE(fired, 1);
}

void TestTimer::settingTheModeAgainRestartsThePeriod() {
    TestWindow window;
    fw::Timer timer(window);
    timer.SetPeriod(300);
    int fired = 0;
    timer.Action = [&] { ++fired; };
    timer.SetMode(fw::Timer::ModeSingle);
    QTest::qWait(200);
    QElapsedTimer clock;
    clock.start();
    timer.SetMode(fw::Timer::ModeSingle);
    QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 3000);
    QVERIFY(clock.elapsed() >= 299);
    QTest::qWait(400);
    QCOMPARE(fired, 1);
}

void TestTimer::multipleModeKeepsFiring() {
    TestWindow window;
    fw::Timer timer(window);
    timer.SetPeriod(30);
    int fired = 0;
    timer.Action = [&] { ++fired; };
    timer.SetMode(fw::Timer::ModeMultiple);
    QTRY_VERIFY_WITH_TIMEOUT(fired >= 3, 3000);
    timer.SetMode(fw::Timer::ModeOff);
    const int stoppedAt = fired;
    QTest::qWait(100);
    QCOMPARE(fired, stoppedAt);
}

void TestTimer::elapseNowFiresOnlyWhenArmed() {
    TestWindow window;
    fw::Timer timer(window);
    int fired = 0;
    timer.Action = [&] { ++fired; };
    timer.ElapseNow();
    QCOMPARE(fired, 0);
    timer.SetMode(fw::Timer::ModeSingle);
    timer.ElapseNow();
    QCOMPARE(fired, 1);
    QVERIFY(!timer.IsArmed());
    timer.ElapseNow();
    QCOMPARE(fired, 1);
}

void TestTimer::closingTheWindowStopsIt() {
    TestWindow window;
    fw::Timer timer(window);
    timer.SetPeriod(50);
    int fired = 0;
    timer.Action = [&] { ++fired; };
    timer.SetMode(fw::Timer::ModeSingle);
    timer.OwnerClosed();
    QTest::qWait(200);
    QCOMPARE(fired, 0);
}

QTEST_MAIN(TestTimer)
#include "tst_timer.moc"
