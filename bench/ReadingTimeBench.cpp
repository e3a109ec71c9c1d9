// The reading test's shown time against a monotonic clock outside the
// program: Start1 pressed, a measured wait under the real event loop, Start1
// pressed again, and the seconds in MySeconds compared with the interval.
#include "Stats.h"
#include "TimingBenches.h"

#include "game/Module1.h"
#include "game/Window1.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <map>

namespace {

constexpr double TickMs = 1000.0 / 60;

struct RunError {
    double shownMs; // MySeconds' text less the true interval
    double rawMs;   // the unrounded run time less the true interval
};

RunError TimedRun(Quorvex::Window1& window, int waitMs) {
    QWidget* start = window.Start1()->Widget();
    QElapsedTimer clock;
    clock.start();
    // Both presses are timed just before the click, so the click's own cost cancels.
    const qint64 pressed = clock.nsecsElapsed();
    QTest::mouseClick(start, Qt::LeftButton);
    QEventLoop loop;
    QTimer::singleShot(waitMs, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    const qint64 stopped = clock.nsecsElapsed();
    QTest::mouseClick(start, Qt::LeftButton);
    const double trueMs = double(stopped - pressed) / 1e6;
    return {window.MySeconds()->Text().toDouble() * 1000 - trueMs,
            Module1::TotalTime * 1000 - trueMs};
}

double WorstMs(const std::vector<double>& errors) {
    double worst = 0;
    for (double e : errors)
        worst = std::max(worst, std::abs(e));
    return worst;
}

} // namespace

void BenchReadingTime(Quorvex::Window1& window, bool quick) {
    // Seconds of a run and how many of them.
    const std::vector<std::pair<int, int>> plan =
        quick ? std::vector<std::pair<int, int>>{{1, 3}, {5, 2}, {15, 1}}
              : std::vector<std::pair<int, int>>{{1, 10}, {5, 5}, {60, 1}};
    std::map<int, std::vector<double>> shown, raw;
    for (const auto& [seconds, count] : plan) {
        for (int i = 0; i < count; ++i) {
            // A few milliseconds more or less each time, so that the runs end
            // at different points of a tick rather than all at the same one.
            const RunError e = TimedRun(window, seconds * 1000 + (i * 5) % 17);
            shown[seconds].push_back(e.shownMs);
            raw[seconds].push_back(e.rawMs);
            QTest::qWait(100);
        }
    }

    double worstTicks = 0, worstRawTicks = 0;
    for (const auto& [seconds, errors] : shown) {
        const std::string runs =
            std::to_string(errors.size()) + "x" + std::to_string(seconds) + " s";
        const double worst = WorstMs(errors), worstRaw = WorstMs(raw[seconds]);
        worstTicks = std::max(worstTicks, worst / TickMs);
        worstRawTicks = std::max(worstRawTicks, worstRaw / TickMs);
        PrintRow("reading shown - true (ms), " + runs, Summarize(errors), 2, NAN,
                 "worst " + Fixed(worst, 2) + " ms = " + Fixed(worst / TickMs, 2) + " tick");
        PrintRow("  unrounded run time - true (ms)", Summarize(raw[seconds]), 2, NAN,
                 "worst " + Fixed(worstRaw, 2) + " ms = " + Fixed(worstRaw / TickMs, 2) + " tick");
    }
    const int shortest = raw.begin()->first, longest = raw.rbegin()->first;
    Summary drift;
    drift.n = 1;
    drift.median = drift.min = drift.max =
        Summarize(raw[longest]).mean - Summarize(raw[shortest]).mean;
    PrintRow("reading drift, " + std::to_string(longest) + " s vs " + std::to_string(shortest) +
                 " s runs (ms)",
             drift, 2, NAN, "unrounded; ticks alone spread runs over +-16.7");
    Summary worst;
    worst.n = 1;
    worst.median = worst.min = worst.max = worstTicks;
    PrintRow("reading worst error, shown (ticks)", worst, 2, NAN,
             "goal <= 1 tick (16.67 ms); two-decimal rounding adds up to 0.3");
    worst.median = worst.min = worst.max = worstRawTicks;
    PrintRow("reading worst error, unrounded (ticks)", worst, 2, NAN, "the tick clock alone");
}
