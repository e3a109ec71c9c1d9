// A seeded monkey on the main window: random presses of every button, clicks
// anywhere on and around the grids, timer firings, clock steps and Edit menu
// choices, with the rules of both tests checked after every event.
// QUORVEX_MONKEY_EVENTS sets the count (100,000 by default), QUORVEX_MONKEY_SEED
// the seed (a fresh one by default); the seed drives the events and the deals.
#include "MonkeyRules.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <random>

using monkey::Course;
using monkey::Run;
using monkey::Seen;

namespace {

const QStringList editItems = {"EditUndo",  "EditCut",   "EditCopy",
                               "EditPaste", "EditClear", "EditSelectAll"};

quint32 seedToUse() {
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("QUORVEX_MONKEY_SEED").toUInt(&ok);
    return ok ? seed : std::random_device()();
}

int eventsToRun() {
    bool ok = false;
    const int count = qEnvironmentVariable("QUORVEX_MONKEY_EVENTS").toInt(&ok);
    return ok && count > 0 ? count : 100000;
}

// A click on a disabled widget is refused by it; Qt says so every time.
QtMessageHandler previousHandler = nullptr;
void quietRefusedClicks(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains("not accepted by receiving widget")) previousHandler(type, context, text);
}

// The memory cell (1 to 9) a press on Cover hits, 0 for none: the left and
// top pixel lines of each cell, and the lines at 300, are dead.
int cellAt(int x, int y) {
    if (x <= 0 || y <= 0 || x >= 300 || y >= 300 || x % 100 == 0 || y % 100 == 0) return 0;
    return 3 * (y / 100) + x / 100 + 1;
}

struct SeededPlatform : FakePlatform {
    explicit SeededPlatform(quint32 seed) { random.seed(seed); }
};

class Monkey {
public:
    Monkey(quint32 seed, SeededPlatform& fake, Quorvex::Window1& window)
        : random(seed ^ 0x9E3779B9u), platform(fake), w(window) {
        fw::Canvas* cover = w.Cover();
        cover->MouseDown = [this, handler = cover->MouseDown](int x, int y) {
            coverPresses << QPoint(x, y);
            return handler(x, y);
        };
        fw::Timer* timer = w.Timer1();
        timer->Action = [this, handler = timer->Action] {
            ++firings;
            handler();
        };
        buttons = {w.Start1(), w.Start1a(), w.Start2(), w.ShowAnswer(), w.SupportButton()};
    }

    // How far the run got: timer firings and scored tests.
    int firings = 0, scorings = 0;

    // Runs one random event; what it did, and the rules it broke.
    QString Step(QStringList& broken) {
        faults.clear();
        const Seen before = monkey::See(w, platform);
        Seen expected = before;
        const int firingsBefore = firings;
        QString what;
        const int dice = pick(100);
        if (dice < 25)
            what = click(pointOnButton(), before, expected);
        else if (dice < 60)
            what = click(pointOnGrid(), before, expected);
        else if (dice < 68)
            what = click({pick(680), pick(463)}, before, expected);
        else if (dice < 80)
            what = fireTimer(before, expected);
        else if (dice < 92)
            what = stepClock();
        else if (dice < 97)
            what = chooseEdit();
        else
            what = paint();
        const Seen after = monkey::See(w, platform);
        if ((firings != firingsBefore) != (what == "timer"))
            faults << "the timer fired exactly when it was armed and made to fire";
        if (after != expected)
            faults << "the event changed only what it should, not " +
                          monkey::Differences(expected, after).join(", ");
        for (const QString& url : platform.urls)
            if (url != Quorvex::Window1::OrderPageURL) faults << "only the order page is handed on";
        broken << faults << monkey::BrokenRules(before, after, course);
        return what;
    }

private:
    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }

    // Start Memory Test less often than the rest, so that tests get played through.
    QPoint pointOnButton() {
        static const int weights[] = {25, 25, 8, 27, 15};
        int dice = pick(100), which = 0;
        while (dice >= weights[which])
            dice -= weights[which++];
        const QWidget* b = buttons[std::size_t(which)]->Widget();
        return b->mapTo(w.Content(), QPoint(pick(b->width()), pick(b->height())));
    }

    // On the memory grid or just around it, often on a dead line or beside one,
    // and often where a player would click: on a cell still empty.
    QPoint pointOnGrid() {
        QList<int> empty;
        for (int i = 0; i <= 8; ++i)
            if (Module1::MyAnswer(i).isEmpty()) empty << i;
        if (!empty.isEmpty() && pick(2) == 0) {
            const int i = empty[pick(int(empty.size()))];
            return QPoint(361 + 100 * (i % 3) + pick(99), 21 + 100 * (i / 3) + pick(99));
        }
        const auto coordinate = [this] {
            return pick(10) < 3 ? 100 * pick(4) + pick(3) - 1 : pick(321) - 10;
        };
        return QPoint(360 + coordinate(), 20 + coordinate());
    }

    QString click(QPoint at, const Seen& before, Seen& expected) {
        QWidget* target = WidgetUnder(w, at);
        const bool enabled = target->isEnabled();
        const qsizetype pressesBefore = coverPresses.size();
        ClickAt(w, at);
        const QString where = QString("click at (%1, %2)").arg(at.x()).arg(at.y());
        if (target == w.Cover()->Widget()) {
            const QPoint onCover = at - QPoint(360, 20);
            if (coverPresses.size() != pressesBefore + 1 || coverPresses.back() != onCover)
                faults << "a press on the grid reaches Cover at its own coordinates";
            gridClick(cellAt(onCover.x(), onCover.y()), before, expected);
            return where + " on the memory grid";
        }
        if (coverPresses.size() != pressesBefore) faults << "a press off the grid reaches Cover";
        for (fw::PushButton* b : buttons)
            if (target == b->Widget()) {
                if (enabled) pressed(b, before, expected);
                return where + " on " + b->Name + (enabled ? "" : " (disabled)");
            }
        return where;
    }

    void pressed(fw::PushButton* b, const Seen& before, Seen& e) {
        if (b == w.Start1())
            readingRun(Run::Normal, before, e);
        else if (b == w.Start1a())
            readingRun(Run::Scrambled, before, e);
        else if (b == w.Start2())
            startMemoryTest(e);
        else if (b == w.ShowAnswer())
            showAnswer(before, e);
        else
            e.urls = before.urls + 1;
    }

    // Only the moments and run times are predicted here; captions, labels and
    // best times are left to the rules.
    void readingRun(Run mode, const Seen& before, Seen& e) {
        const bool normal = mode == Run::Normal;
        const double now = double(platform.ticks);
        const Seen after = monkey::See(w, platform);
        if (course.running == Run::None) {
            course.running = course.lastDeal = mode;
            e.startTime = now;
            e.words = after.words;
            e.inks = after.inks;
        } else {
            course.running = Run::None;
            course.lastRun = mode;
            (normal ? course.normalDone : course.scrambledDone) = true;
            e.endTime = now;
            (normal ? e.normalRun : e.scrambledRun) = (now - before.startTime) / 60;
            double& best = normal ? e.normalBest : e.scrambledBest;
            const double run = normal ? e.normalRun : e.scrambledRun;
            if (best == 0 || run < best) best = run;
            (normal ? e.normalTime : e.scrambledTime) =
                normal ? after.normalTime : after.scrambledTime;
        }
        e.start1 = after.start1, e.start1a = after.start1a, e.status1 = after.status1;
        e.start1On = after.start1On, e.start1aOn = after.start1aOn, e.mySeconds = after.mySeconds;
    }

    void startMemoryTest(Seen& e) {
        course.started = course.onShow = course.answersShown = true;
        course.nineCell = -1;
        const Seen after = monkey::See(w, platform);
        e.display = after.display; // a fresh deal: the rules check it
        e.answers = QStringList(9, QString());
        e.stopFlag = e.timerArmed = true;
        e.answerNo = 1;
        e.correctAnswers = 0;
        e.showAnswerOn = false;
        e.showAnswer = "Show Answer";
        e.status2 = e.myScore = QString();
    }

    void showAnswer(const Seen& before, Seen& e) {
        course.answersShown = false;
        if (before.showAnswer == "Show Answer")
            e.display = before.correct, e.showAnswer = "Show My Answer", e.status2 = "Answer";
        else if (before.showAnswer == "Show My Answer")
            e.display = before.answers, e.showAnswer = "Reset", e.status2 = "My Answer";
        else
            e.display = QStringList(9, QString()), e.showAnswer = "Show Answer", e.status2 = "";
    }

    // The click rules: take back the latest ordinal, place the next one, or beep.
    void gridClick(int k, const Seen& before, Seen& e) {
        if (k == 0 || course.onShow) return;
        const int i = k - 1;
        if (before.answers[i] == fw::Str(before.answerNo - 1)) {
            e.answers[i] = e.display[i] = QString();
            e.answerNo = before.answerNo - 1;
        } else if (before.answers[i].isEmpty()) {
            e.answers[i] = e.display[i] = fw::Str(before.answerNo);
            if (before.answerNo != 9) {
                e.answerNo = before.answerNo + 1;
                return;
            }
            course.nineCell = i;
            ++scorings;
            e.correctAnswers = 0;
            for (int c = 0; c <= 8; ++c)
                e.correctAnswers += e.answers[c] == before.correct[c];
            course.bestScore = std::max(course.bestScore, int(e.correctAnswers));
            e.showAnswerOn = true;
            e.myScore = fw::Str(e.correctAnswers);
            e.bestScore = fw::Str(course.bestScore);
        } else {
            e.beeps = before.beeps + 1;
        }
    }

    QString fireTimer(const Seen& before, Seen& e) {
        w.Timer1()->ElapseNow();
        if (!before.timerArmed) return "timer (not armed)";
        course.onShow = false;
        course.answersShown = true;
        e.correct = before.display;
        e.display = QStringList(9, QString());
        e.stopFlag = e.timerArmed = false;
        return "timer";
    }

    // Mostly short steps, sometimes none (a run within one tick), sometimes hours.
    QString stepClock() {
        const int kind = pick(10);
        const std::int64_t step = kind < 2 ? 0 : kind < 9 ? pick(600) : pick(1 << 30);
        platform.ticks += step;
        return QString("clock +%1 ticks").arg(step);
    }

    // With no text control in the window, no Edit item can act.
    QString chooseEdit() {
        const QString item = editItems[pick(int(editItems.size()))];
        if (auto* menu = w.Widget()->findChild<QMenu*>("EditMenu")) Q_EMIT menu->aboutToShow();
        for (const QString& name : editItems) {
            const QAction* action = w.Widget()->findChild<QAction*>(name);
            if (!action || action->isEnabled()) faults << "no Edit item can act without text";
        }
        if (pick(2) == 0) {
            w.Widget()->findChild<QAction*>(item)->trigger();
            return "menu " + item;
        }
        static const QList<Qt::Key> keys = {Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_V, Qt::Key_A};
        const Qt::Key key = keys[pick(int(keys.size()))];
        QTest::keyClick(w.Widget(), key, Qt::ControlModifier);
        return "Ctrl+" + QKeySequence(key).toString();
    }

    QString paint() {
        w.Widget()->grab();
        return "paint";
    }

    std::mt19937 random;
    SeededPlatform& platform;
    Quorvex::Window1& w;
    std::vector<fw::PushButton*> buttons;
    QList<QPoint> coverPresses;
    Course course;
    QStringList faults; // of the event under way
};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomEventsKeepTheRules();
};

void TestMonkey::randomEventsKeepTheRules() {
    const quint32 seed = seedToUse();
    const int count = eventsToRun();
    qInfo("monkey: %d events, seed %u (QUORVEX_MONKEY_SEED=%u reproduces the run)", count, seed,
          seed);
    previousHandler = qInstallMessageHandler(quietRefusedClicks);
    SeededPlatform platform(seed);
    ProgramRun run;
    Monkey monkey(seed, platform, *run.window);
    QStringList recent;
    for (int n = 1; n <= count; ++n) {
        QStringList broken;
        recent << QString("%1: %2").arg(n).arg(monkey.Step(broken));
        if (recent.size() > 12) recent.removeFirst();
        if (!broken.isEmpty()) {
            qInstallMessageHandler(previousHandler);
            QFAIL(qPrintable(QString("seed %1, event %2 of %3 broke: %4\nlast events:\n  %5\n"
                                     "again: QUORVEX_MONKEY_SEED=%1 QUORVEX_MONKEY_EVENTS=%2")
                                 .arg(seed)
                                 .arg(n)
                                 .arg(count)
                                 .arg(broken.join("; "), recent.join("\n  "))));
        }
        // Only the order page ever goes to the browser; what went is checked.
        platform.urls.clear();
    }
    qInstallMessageHandler(previousHandler);
    qInfo("monkey: the timer fired %d times, %d tests were scored", monkey.firings,
          monkey.scorings);
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
