// The colour-word reading test, driven through its two buttons: the deals,
// the start and stop of a timed run, the best times and the redrawn grid.
#include "Clicks.h"
#include "FakePlatform.h"
#include "Program.h"
#include "WordCellInks.h"
#include "framework/Application.h"
#include "game/Module1.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

// The colours as the user sees them: normal word, scrambled word, ink.
struct Colour {
    QString normal;
    QString scrambled;
    QRgb ink;
};
const Colour Colours[9] = {
    {"  Red ", "  Red", qRgb(255, 0, 0)},        {" Green ", " Green", qRgb(0, 255, 0)},
    {"  Blue  ", "  Blue", qRgb(0, 0, 255)},     {" Black ", " Black", qRgb(0, 0, 0)},
    {"  Gray  ", "  Gray", qRgb(150, 150, 178)}, {"  Pink  ", "  Pink", qRgb(255, 168, 197)},
    {" Brown ", " Brown", qRgb(106, 70, 9)},     {"  Gold", "  Gold", qRgb(237, 203, 67)},
    {"Orange", "Orange", qRgb(255, 96, 3)},
};

int colourOfWord(const QString& word, bool scrambled) {
    for (int k = 0; k < 9; ++k)
        if ((scrambled ? Colours[k].scrambled : Colours[k].normal) == word) return k;
    return -1;
}

int colourOfInk(const QColor& ink) {
    for (int k = 0; k < 9; ++k)
        if ((ink.rgb() & 0xFFFFFF) == (Colours[k].ink & 0xFFFFFF)) return k;
    return -1;
}

bool isPermutation(const fw::NineArray<int>& a) {
    QSet<int> seen;
    for (int v : a)
        if (v >= 0 && v <= 8) seen.insert(v);
    return seen.size() == 9;
}

QString labelShows(fw::Label* label) { return qobject_cast<QLabel*>(label->Widget())->text(); }
QString buttonShows(fw::PushButton* b) { return qobject_cast<QPushButton*>(b->Widget())->text(); }
void press(fw::PushButton* b) { QTest::mouseClick(b->Widget(), Qt::LeftButton); }

// One finished run of `ticks` ticks with the given button.
void timedRun(FakePlatform& fake, fw::PushButton* button, int ticks) {
    press(button);
    fake.ticks += ticks;
    press(button);
}

} // namespace

class TestReadingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void normalDealAtOpen();
    void normalDeal_data();
    void normalDeal();
    void scrambledDeal_data();
    void scrambledDeal();
    void dealsAreShuffled();
    void startAndStop_data();
    void startAndStop();
    void otherButtonIsOffWhileRunning();
    void bestTime_data();
    void bestTime();
    void equalTimeLeavesTheBestLabelAlone();
    void bestTimesAreIndependent();
    void openEventResetsBestTimes();
    void wordCellsRepaintWithTheNewDeal();
};

void TestReadingTest::initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

void TestReadingTest::normalDealAtOpen() {
    FakePlatform fake;
    ProgramRun run;
    QVERIFY(isPermutation(Module1::ColorSet));
    for (int i = 0; i <= 8; ++i) {
        const int k = Module1::ColorSet(i);
        QCOMPARE(Module1::ColorName(i), Colours[k].normal);
        QCOMPARE(Module1::MyColor(i).rgb(), Colours[k].ink);
    }
    QCOMPARE(buttonShows(run.window->Start1()), QString("Start Normal"));
    QVERIFY(run.window->Status1()->Text().isEmpty());
}

void TestReadingTest::normalDeal_data() {
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {1u, 7u, 42u, 2024u, 99991u})
        QTest::addRow("seed %u", seed) << seed;
}

// Every start of a normal run deals anew: each word once, in its own ink.
void TestReadingTest::normalDeal() {
    QFETCH(unsigned, seed);
    FakePlatform fake;
    ProgramRun run;
    fake.random.seed(seed);
    for (int round = 0; round < 10; ++round) {
        press(run.window->Start1());
        QVERIFY(isPermutation(Module1::ColorSet));
        QSet<int> words;
        for (int i = 0; i <= 8; ++i) {
            const int word = colourOfWord(Module1::ColorName(i), false);
            QVERIFY2(word >= 0, qPrintable(Module1::ColorName(i)));
            QCOMPARE(word, Module1::ColorSet(i));
            QCOMPARE(colourOfInk(Module1::MyColor(i)), word);
            words.insert(word);
        }
        QCOMPARE(words.size(), 9);
        press(run.window->Start1());
    }
}

void TestReadingTest::scrambledDeal_data() { normalDeal_data(); }

// Each word and each ink exactly once, placed by two shuffles.
void TestReadingTest::scrambledDeal() {
    QFETCH(unsigned, seed);
    FakePlatform fake;
    ProgramRun run;
    fake.random.seed(seed);
    for (int round = 0; round < 10; ++round) {
        press(run.window->Start1a());
        QVERIFY(isPermutation(Module1::ColorSet));
        QVERIFY(isPermutation(Module1::Jumble));
        QSet<int> words, inks;
        for (int j = 0; j <= 8; ++j) {
            QCOMPARE(Module1::ColorName(Module1::ColorSet(j)), Colours[j].scrambled);
            QCOMPARE(Module1::MyColor(Module1::Jumble(j)).rgb(), Colours[j].ink);
        }
        for (int i = 0; i <= 8; ++i) {
            const QString word = Module1::ColorName(i);
            QVERIFY2(!word.endsWith(' '), qPrintable(word));
            words.insert(colourOfWord(word, true));
            inks.insert(colourOfInk(Module1::MyColor(i)));
        }
        QCOMPARE(words.size(), 9);
        QCOMPARE(inks.size(), 9);
        QVERIFY(!words.contains(-1));
        QVERIFY(!inks.contains(-1));
        press(run.window->Start1a());
    }
}

// A deal that never moved a word, or a scrambled deal that kept every word
// in its own ink, would pass the invariants above.
void TestReadingTest::dealsAreShuffled() {
    FakePlatform fake;
    ProgramRun run;
    QSet<QStringList> normalOrders;
    int mismatchedCells = 0;
    for (int round = 0; round < 20; ++round) {
        press(run.window->Start1());
        QStringList order;
        for (int i = 0; i <= 8; ++i)
            order << Module1::ColorName(i);
        normalOrders.insert(order);
        press(run.window->Start1());

        press(run.window->Start1a());
        for (int i = 0; i <= 8; ++i)
            if (colourOfWord(Module1::ColorName(i), true) != colourOfInk(Module1::MyColor(i)))
                ++mismatchedCells;
        press(run.window->Start1a());
    }
    QVERIFY(normalOrders.size() > 10);
    QVERIFY(mismatchedCells > 90);
}

void TestReadingTest::startAndStop_data() {
    QTest::addColumn<bool>("scrambled");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("seconds");
    const std::pair<int, const char*> runs[] = {{30, "0.50"},  {60, "1.00"},   {1, "0.02"},
                                                {0, "0.00"},   {7, "0.12"},    {45, "0.75"},
                                                {599, "9.98"}, {3661, "61.02"}};
    for (bool scrambled : {false, true})
        for (const auto& [ticks, seconds] : runs)
            QTest::addRow("%s %d ticks", scrambled ? "scrambled" : "normal", ticks)
                << scrambled << ticks << QString(seconds);
}

void TestReadingTest::startAndStop() {
    QFETCH(bool, scrambled);
    QFETCH(int, ticks);
    QFETCH(QString, seconds);
    FakePlatform fake;
    ProgramRun run;
    const Quorvex::Window1& w = *run.window;
    fw::PushButton* own = scrambled ? w.Start1a() : w.Start1();
    fw::PushButton* other = scrambled ? w.Start1() : w.Start1a();
    const QString startCaption = scrambled ? "Start Scrambled" : "Start Normal";

    timedRun(fake, own, 20); // so that the start has a result to empty
    QCOMPARE(labelShows(w.MySeconds()), QString("0.33"));

    press(own);
    QCOMPARE(buttonShows(own), QString("Stop"));
    QVERIFY(!other->Widget()->isEnabled());
    QCOMPARE(labelShows(w.Status1()), QString(scrambled ? "Scrambled" : "Normal"));
    QCOMPARE(labelShows(w.MySeconds()), QString());

    fake.ticks += ticks;
    press(own);
    QCOMPARE(buttonShows(own), startCaption);
    QVERIFY(other->Widget()->isEnabled());
    QCOMPARE(labelShows(w.Status1()), QString());
    QCOMPARE(labelShows(w.MySeconds()), seconds);
    QCOMPARE(scrambled ? Module1::TotalTime1 : Module1::TotalTime, ticks / 60.0);
}

void TestReadingTest::otherButtonIsOffWhileRunning() {
    FakePlatform fake;
    ProgramRun run;
    const Quorvex::Window1& w = *run.window;
    press(w.Start1());
    QStringList dealt;
    for (int i = 0; i <= 8; ++i)
        dealt << Module1::ColorName(i);
    press(w.Start1a()); // disabled: nothing happens
    QCOMPARE(buttonShows(w.Start1a()), QString("Start Scrambled"));
    QCOMPARE(buttonShows(w.Start1()), QString("Stop"));
    QCOMPARE(labelShows(w.Status1()), QString("Normal"));
    for (int i = 0; i <= 8; ++i)
        QCOMPARE(Module1::ColorName(i), dealt[i]);
    fake.ticks += 30;
    press(w.Start1());

    press(w.Start1a());
    QVERIFY(!w.Start1()->Widget()->isEnabled());
    press(w.Start1());
    QCOMPARE(buttonShows(w.Start1()), QString("Start Normal"));
    QCOMPARE(labelShows(w.Status1()), QString("Scrambled"));
    // Stopping leaves the grid as dealt.
    dealt.clear();
    for (int i = 0; i <= 8; ++i)
        dealt << Module1::ColorName(i);
    press(w.Start1a());
    for (int i = 0; i <= 8; ++i)
        QCOMPARE(Module1::ColorName(i), dealt[i]);
}

void TestReadingTest::bestTime_data() {
    QTest::addColumn<QList<int>>("runs"); // ticks of each finished run, in order
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("best");
    QTest::newRow("first run is the best") << QList<int>{45} << "0.75" << 0.75;
    QTest::newRow("slower run leaves it") << QList<int>{30, 45} << "0.50" << 0.5;
    QTest::newRow("equal run leaves it") << QList<int>{30, 30} << "0.50" << 0.5;
    QTest::newRow("faster run replaces it") << QList<int>{30, 29} << "0.48" << 29 / 60.0;
    QTest::newRow("one tick faster") << QList<int>{45, 60, 44} << "0.73" << 44 / 60.0;
    QTest::newRow("zero run is no best") << QList<int>{0} << "0.00" << 0.0;
    QTest::newRow("after zero any run replaces") << QList<int>{0, 90} << "1.50" << 1.5;
    QTest::newRow("zero after a best") << QList<int>{30, 0, 120} << "2.00" << 2.0;
}

void TestReadingTest::bestTime() {
    QFETCH(QList<int>, runs);
    QFETCH(QString, label);
    QFETCH(double, best);
    for (bool scrambled : {false, true}) {
        FakePlatform fake;
        ProgramRun run;
        const Quorvex::Window1& w = *run.window;
        fw::PushButton* button = scrambled ? w.Start1a() : w.Start1();
        fw::Label* bestLabel = scrambled ? w.ScrambledTime() : w.NormalTime();
        QVERIFY(labelShows(bestLabel).isEmpty());
        for (int ticks : runs) {
            const QString shown = labelShows(bestLabel);
            press(button);
            QCOMPARE(labelShows(bestLabel), shown); // a start never touches the best
            fake.ticks += ticks;
            press(button);
        }
        QCOMPARE(labelShows(bestLabel), label);
        QCOMPARE(scrambled ? Module1::MyScrambledTime : Module1::MyNormalTime, best);
    }
}

// An equal time must not write the best-time label at all: mark the label and
// see that the mark survives.
void TestReadingTest::equalTimeLeavesTheBestLabelAlone() {
    FakePlatform fake;
    ProgramRun run;
    const Quorvex::Window1& w = *run.window;
    timedRun(fake, w.Start1(), 30);
    w.NormalTime()->SetText("mark");
    timedRun(fake, w.Start1(), 30);
    QCOMPARE(labelShows(w.NormalTime()), QString("mark"));
    timedRun(fake, w.Start1(), 29);
    QCOMPARE(labelShows(w.NormalTime()), QString("0.48"));
}

void TestReadingTest::bestTimesAreIndependent() {
    FakePlatform fake;
    ProgramRun run;
    const Quorvex::Window1& w = *run.window;
    timedRun(fake, w.Start1(), 30);
    timedRun(fake, w.Start1a(), 90);
    QCOMPARE(labelShows(w.NormalTime()), QString("0.50"));
    QCOMPARE(labelShows(w.ScrambledTime()), QString("1.50"));
    QCOMPARE(Module1::MyNormalTime, 0.5);
    QCOMPARE(Module1::MyScrambledTime, 1.5);

    timedRun(fake, w.Start1a(), 12); // faster than both bests
    QCOMPARE(labelShows(w.ScrambledTime()), QString("0.20"));
    QCOMPARE(labelShows(w.NormalTime()), QString("0.50"));
    QCOMPARE(Module1::MyNormalTime, 0.5);

    timedRun(fake, w.Start1(), 60); // slower than the normal best
    QCOMPARE(labelShows(w.NormalTime()), QString("0.50"));
    QCOMPARE(labelShows(w.ScrambledTime()), QString("0.20"));
    timedRun(fake, w.Start1(), 6);
    QCOMPARE(labelShows(w.NormalTime()), QString("0.10"));
    QCOMPARE(labelShows(w.ScrambledTime()), QString("0.20"));
    QCOMPARE(Module1::MyScrambledTime, 0.2);
}

void TestReadingTest::openEventResetsBestTimes() {
    FakePlatform fake;
    ProgramRun run;
    const Quorvex::Window1& w = *run.window;
    timedRun(fake, w.Start1(), 30);
    timedRun(fake, w.Start1a(), 30);
    QStringList words;
    for (int i = 0; i <= 8; ++i)
        words << Module1::ColorName(i);

    fw::GetAppObject()->CallOpen();
    QCOMPARE(Module1::MyNormalTime, 0.0);
    QCOMPARE(Module1::MyScrambledTime, 0.0);
    for (int i = 0; i <= 8; ++i)
        QCOMPARE(Module1::ColorName(i), words[i]);
    // The labels still show the old bests, but a slower run now replaces them.
    QCOMPARE(labelShows(w.NormalTime()), QString("0.50"));
    timedRun(fake, w.Start1(), 90);
    QCOMPARE(labelShows(w.NormalTime()), QString("1.50"));
    timedRun(fake, w.Start1a(), 120);
    QCOMPARE(labelShows(w.ScrambledTime()), QString("2.00"));
}

// Read from the screen, not from a fresh render: a cell shows a new deal only
// when the window was asked to redraw.
void TestReadingTest::wordCellsRepaintWithTheNewDeal() {
    FakePlatform fake;
    ProgramRun run;
    const Quorvex::Window1& w = *run.window;
    QColor before[9];
    const QImage first = OnScreen(w);
    for (int i = 0; i <= 8; ++i) {
        before[i] = Module1::MyColor(i);
        QVERIFY2(ShowsInk(ReadCell(first, WordCellRect(i)), before[i]),
                 qPrintable(QString::number(i)));
    }

    for (fw::PushButton* button : {w.Start1a(), w.Start1()}) {
        bool changed = false;
        for (int attempt = 0; attempt < 5 && !changed; ++attempt) {
            press(button);
            for (int i = 0; i <= 8; ++i)
                changed = changed || Module1::MyColor(i) != before[i];
            if (!changed) press(button);
        }
        QVERIFY(changed);
        const QImage after = OnScreen(w);
        for (int i = 0; i <= 8; ++i) {
            QVERIFY2(ShowsInk(ReadCell(after, WordCellRect(i)), Module1::MyColor(i)),
                     qPrintable(QString("%1 cell %2").arg(button->Name).arg(i)));
            before[i] = Module1::MyColor(i);
        }
        press(button);
    }
}

QTEST_MAIN(TestReadingTest)
#include "tst_readingtest.moc"
