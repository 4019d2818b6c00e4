// SPDX-License-Identifier: GPL-3.0-or-later
#include "firstpaint.h"
#include "precisetimer.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <climits>

using namespace Qt::Literals::StringLiterals;

class PreciseTimerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sleepsUntilTheNextChangeAndCatchesUp_data();
    void sleepsUntilTheNextChangeAndCatchesUp();
    void restartingWakesAfterOneTick();
    void aTickThatStopsTheTimerKeepsItStopped();
    void workWaitsForTheFirstPaint();
};

void PreciseTimerTest::sleepsUntilTheNextChangeAndCatchesUp_data()
{
    QTest::addColumn<int>("tickMs");
    QTest::addColumn<QList<int>>("quietTicks"); // the answers, one per wake
    QTest::addColumn<QList<int>>("intervals");  // the wakes asked for after each
    QTest::newRow("every tick changes") << 500 << QList<int>{1, 1} << QList<int>{500, 500};
    QTest::newRow("the motto's rhythm")
        << 50 << QList<int>{66, 68, 1} << QList<int>{3300, 3400, 50};
    QTest::newRow("music every 29 s") << 1000 << QList<int>{29} << QList<int>{29000};
    QTest::newRow("no answer below one tick") << 100 << QList<int>{0, -5} << QList<int>{100, 100};
    QTest::newRow("no wait past the longest interval")
        << 1000 << QList<int>{INT_MAX} << QList<int>{INT_MAX / 1000 * 1000};
}

void PreciseTimerTest::sleepsUntilTheNextChangeAndCatchesUp()
{
    QFETCH(int, tickMs);
    QFETCH(QList<int>, quietTicks);
    QFETCH(QList<int>, intervals);
    QObject owner;
    PreciseTimer timer(u"Timer1"_s, tickMs, &owner);
    QSignalSpy ticks(&timer, &PreciseTimer::ticked);
    int answer = 0;
    timer.setTicksUntilChange([&] { return quietTicks.at(answer++); });
    timer.setEnabled(true);
    QCOMPARE(timer.interval(), tickMs);
    int expectedTicks = 1;
    for (int wake = 0; wake < quietTicks.size(); ++wake) {
        const int before = ticks.size();
        timer.wake();
        QCOMPARE(ticks.size() - before, expectedTicks);
        QCOMPARE(timer.interval(), intervals.at(wake));
        QCOMPARE(timer.tickMs(), tickMs);
        expectedTicks = intervals.at(wake) / tickMs;
        QCOMPARE(timer.ticksPerWake(), expectedTicks);
    }
    timer.stop();
}

void PreciseTimerTest::restartingWakesAfterOneTick()
{
    PreciseTimer timer(u"Timer2"_s, 50, nullptr);
    timer.setTicksUntilChange([] { return 66; });
    timer.setEnabled(true);
    timer.wake();
    QCOMPARE(timer.interval(), 3300);
    timer.setEnabled(false);
    timer.setEnabled(true);
    QCOMPARE(timer.interval(), 50);
    QCOMPARE(timer.ticksPerWake(), 1);
    timer.stop();
}

void PreciseTimerTest::aTickThatStopsTheTimerKeepsItStopped()
{
    PreciseTimer timer(u"Timer1"_s, 100, nullptr);
    int asked = 0;
    timer.setTicksUntilChange([&] { return ++asked, 10; });
    connect(&timer, &PreciseTimer::ticked, &timer, [&] { timer.setEnabled(false); });
    timer.setEnabled(true);
    timer.wake();
    QVERIFY(!timer.isActive());
    QCOMPARE(asked, 0);
}

void PreciseTimerTest::workWaitsForTheFirstPaint()
{
    QWidget window;
    int runs = 0;
    RunAfterFirstPaint(window, [&] { ++runs; });
    QCoreApplication::processEvents();
    QCOMPARE(runs, 0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.repaint();
    QTRY_COMPARE(runs, 1);
    window.repaint();
    QCoreApplication::processEvents();
    QCOMPARE(runs, 1);
}

QTEST_MAIN(PreciseTimerTest)
#include "precisetimer_test.moc"
