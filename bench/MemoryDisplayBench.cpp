// The memory test's one-second display, timed between two paints: the first
// memory cell painted with a number, and the first painted empty once the
// timer has emptied the grid. Start2 is pressed as a user would, and the real
// fw::Timer fires under the real event loop.
#include "Stats.h"
#include "TimingBenches.h"

#include "game/Module1.h"
#include "game/Window1.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

class PaintClock : public QObject {
public:
    explicit PaintClock(Quorvex::Window1& window) {
        clock.start();
        // A test that never ends gives up after five seconds.
        guard.setSingleShot(true);
        guard.setInterval(5000);
        QObject::connect(&guard, &QTimer::timeout, [this] {
            if (waiting) waiting->quit();
        });
        for (int i = 0; i < 9; ++i) {
            QWidget* cell = window.MemoryCell(i)->Widget();
            cell->setProperty("benchCell", i);
            cell->installEventFilter(this);
        }
    }

    double NowMs() const { return double(clock.nsecsElapsed()) / 1e6; }

    // Presses, then waits for the numbers to be painted and then for the empty grid.
    bool Watch(QEventLoop& loop, const std::function<void()>& press) {
        shownMs = clearedMs = -1;
        waiting = &loop;
        press();
        guard.start();
        loop.exec();
        guard.stop();
        waiting = nullptr;
        return shownMs >= 0 && clearedMs >= 0;
    }

    double shownMs = -1, clearedMs = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !waiting) return false;
        const double now = NowMs();
        // The filter runs before the paint handler, so the cell's number is what it paints.
        const bool empty = Module1::DisplayNumber(watched->property("benchCell").toInt()).isEmpty();
        if (shownMs < 0 && !empty) {
            shownMs = now;
        } else if (shownMs >= 0 && clearedMs < 0 && empty && !Module1::StopFlag) {
            clearedMs = now;
            waiting->quit();
        }
        return false;
    }

private:
    QElapsedTimer clock;
    QTimer guard;
    QEventLoop* waiting = nullptr;
};

// What the same event loop gives a bare precise one-second QTimer, from its
// start to its timeout: the floor for "press to timer fired".
std::vector<double> PlainTimerMs(int count) {
    std::vector<double> elapsed;
    QElapsedTimer clock;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QEventLoop loop;
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    for (int i = 0; i < count; ++i) {
        clock.start();
        timer.start(1000);
        loop.exec();
        elapsed.push_back(double(clock.nsecsElapsed()) / 1e6);
        QTest::qWait(50);
    }
    return elapsed;
}

} // namespace

void BenchMemoryDisplay(Quorvex::Window1& window, int tests) {
    PaintClock paints(window);
    fw::Timer& timer = *window.Timer1();
    // Wrapped only to split the figure into its parts: when the timer fired.
    double firedMs = -1;
    const std::function<void()> fire = timer.Action;
    timer.Action = [&] {
        firedMs = paints.NowMs();
        fire();
    };

    std::vector<double> display, pressToShown, pressToFired, firedToCleared;
    QEventLoop loop;
    for (int test = 0; test < tests; ++test) {
        double pressedMs = 0;
        const bool painted = paints.Watch(loop, [&] {
            pressedMs = paints.NowMs();
            QTest::mouseClick(window.Start2()->Widget(), Qt::LeftButton);
        });
        if (!painted) {
            std::fprintf(stderr, "memory test %d: no paint of the numbers or of the empty grid\n",
                         test + 1);
            break;
        }
        display.push_back(paints.clearedMs - paints.shownMs);
        pressToShown.push_back(paints.shownMs - pressedMs);
        pressToFired.push_back(firedMs - pressedMs);
        firedToCleared.push_back(paints.clearedMs - firedMs);
        // A short gap, as between a user's tests.
        QTest::qWait(50);
    }
    timer.Action = fire;

    const Summary s = Summarize(display);
    PrintRow("memory display, paint to paint (ms) n=" + std::to_string(s.n), s, 2, NAN,
             "mean " + Fixed(s.mean, 2) + " sd " + Fixed(s.sd, 2) + "; goal mean 1000+-2, sd <= 1");
    PrintRow("  press to numbers painted (ms)", Summarize(pressToShown), 2);
    PrintRow("  press to timer fired (ms)", Summarize(pressToFired), 2);
    PrintRow("  timer fired to empty grid painted (ms)", Summarize(firedToCleared), 2);
    const Summary floor = Summarize(PlainTimerMs(std::max(5, tests / 2)));
    PrintRow("  floor: plain precise QTimer 1000 ms (ms) n=" + std::to_string(floor.n), floor, 2,
             NAN, "mean " + Fixed(floor.mean, 2) + " sd " + Fixed(floor.sd, 2));
}
