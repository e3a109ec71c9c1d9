// The memory grid: which cell a press hits, how a press on the grid reaches
// Cover, and what the cells draw.
#include "MemoryGame.h"
#include "framework/Text.h"
#include "game/MemoryHitTest.h"

#include <QImage>
#include <QtTest>

using Module1::AnswerNo;
using Module1::DisplayNumber;
using Module1::MyAnswer;

namespace {

QRect CellRect(int i) { return {360 + 100 * (i % 3), 20 + 100 * (i / 3), 100, 100}; }

bool AllWhite(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

// The smallest rectangle holding every dark pixel of the area; empty for none.
QRect Ink(const QImage& image, const QRect& area) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    return ink;
}

// Bit i set: memory cell i shows a digit inside its frame.
int InkedCells(const fw::Window& window) {
    const QImage image = OnScreen(window);
    int inked = 0;
    for (int i = 0; i <= 8; ++i) {
        const QRect ink = Ink(image, CellRect(i).adjusted(1, 1, -1, -1));
        if (ink.width() > 5 && ink.height() > 20) inked |= 1 << i;
    }
    return inked;
}

} // namespace

class TestMemoryGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hitTest_data();
    void hitTest();
    void clickRouting_data();
    void clickRouting();
    void pressOnCellReachesCover();
    void cellsShowDigitsOnlyWhileOnShow();
};

void TestMemoryGrid::hitTest_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("cell");
    for (int k = 1; k <= 9; ++k)
        QTest::addRow("centre of %d", k)
            << 50 + 100 * ((k - 1) % 3) << 50 + 100 * ((k - 1) / 3) << k;
    QTest::newRow("x 99 first column") << 99 << 50 << 1;
    QTest::newRow("x 101 second column") << 101 << 50 << 2;
    QTest::newRow("y 99 first row") << 250 << 99 << 3;
    QTest::newRow("y 101 second row") << 250 << 101 << 6;
    QTest::newRow("x 1 y 1") << 1 << 1 << 1;
    QTest::newRow("x 299 y 299") << 299 << 299 << 9;
    for (int line : {0, 100, 200, 300}) {
        QTest::addRow("x %d dead", line) << line << 150 << 0;
        QTest::addRow("y %d dead", line) << 150 << line << 0;
    }
    QTest::newRow("corner 100 200") << 100 << 200 << 0;
    QTest::newRow("left of grid") << -1 << 50 << 0;
    QTest::newRow("above grid") << 50 << -20 << 0;
    QTest::newRow("right of grid") << 301 << 50 << 0;
    QTest::newRow("below grid") << 50 << 350 << 0;
}

void TestMemoryGrid::hitTest() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, cell);
    QCOMPARE(MemoryCellAt(x, y), cell);
}

void TestMemoryGrid::clickRouting_data() {
    QTest::addColumn<int>("x"); // on Cover
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("cell"); // -1: none
    // QTest clicks a widget's centre when given its top-left corner, so a click
    // on Cover's dead corner once placed an ordinal in the middle cell.
    QTest::newRow("corner 0 0 dead") << 0 << 0 << -1;
    QTest::newRow("x 0 dead") << 0 << 50 << -1;
    QTest::newRow("x 100 dead") << 100 << 50 << -1;
    QTest::newRow("x 200 dead") << 200 << 150 << -1;
    QTest::newRow("y 0 dead") << 50 << 0 << -1;
    QTest::newRow("y 100 dead") << 150 << 100 << -1;
    QTest::newRow("y 200 dead") << 250 << 200 << -1;
    QTest::newRow("x 99 first column") << 99 << 50 << 0;
    QTest::newRow("x 101 second column") << 101 << 50 << 1;
    QTest::newRow("y 199 second row") << 50 << 199 << 3;
    QTest::newRow("y 201 third row") << 50 << 201 << 6;
    QTest::newRow("x 299 y 299") << 299 << 299 << 8;
}

// A real press reaches Cover at its own point; on a dead line it places
// nothing and makes no sound.
void TestMemoryGrid::clickRouting() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, cell);
    Game game;
    game.StartAndHide();
    game.RecordCoverPresses();
    ClickAt(game.w, OnCover(x, y));
    QCOMPARE(game.coverPresses, QList<QPoint>{QPoint(x, y)});
    QCOMPARE(game.platform.beeps, 0);
    QStringList expected(9);
    if (cell >= 0) expected[cell] = "1";
    QCOMPARE(Cells(MyAnswer), expected);
    QCOMPARE(Cells(DisplayNumber), expected);
    QCOMPARE(AnswerNo, cell >= 0 ? 2 : 1);
    QCOMPARE(Module1::TakeThis, cell >= 0 ? fw::Str(cell + 1) : QString());
}

// The cells and their frames take no press of their own: whether a press
// lands on Cover or on a cell's canvas, Cover gets it in its own coordinates.
void TestMemoryGrid::pressOnCellReachesCover() {
    Game game;
    game.StartAndHide();
    game.RecordCoverPresses();
    QWidget* cover = game.w.Cover()->Widget();
    for (int i = 0; i <= 8; ++i) {
        QWidget* under = WidgetUnder(game.w, CellCentre(i));
        QVERIFY(under == cover || cover->isAncestorOf(under));
        game.Click(i);
        QCOMPARE(game.coverPresses.size(), i + 1);
        QCOMPARE(game.coverPresses.last(), QPoint(50 + 100 * (i % 3), 50 + 100 * (i / 3)));
        QCOMPARE(MyAnswer(i), fw::Str(i + 1));
    }
    game.StartAndHide();
    game.coverPresses.clear();
    for (int i = 0; i <= 8; ++i) {
        QTest::mouseClick(game.w.MemoryCell(i)->Widget(), Qt::LeftButton, {}, QPoint(30, 60));
        QCOMPARE(game.coverPresses.size(), i + 1);
        QCOMPARE(game.coverPresses.last(), QPoint(30 + 100 * (i % 3), 60 + 100 * (i / 3)));
        QCOMPARE(MyAnswer(i), fw::Str(i + 1));
    }
}

// Inside its one-pixel black frame a cell is white but for the digit it shows.
// The pixels are those on screen, so a cell that is not redrawn shows stale ink.
void TestMemoryGrid::cellsShowDigitsOnlyWhileOnShow() {
    Game game;
    game.Start();
    QTRY_COMPARE(InkedCells(game.w), 0x1ff);
    for (int i = 0; i <= 8; ++i) { // whole, not clipped by the cell's edge
        const QRect margin = CellRect(i).adjusted(3, 3, -3, -3);
        QVERIFY(margin.contains(Ink(OnScreen(game.w), CellRect(i).adjusted(1, 1, -1, -1))));
    }
    game.Hide();
    QTRY_COMPARE(InkedCells(game.w), 0);
    const QImage image = OnScreen(game.w);
    for (int i = 0; i <= 8; ++i) {
        const QRect cell = CellRect(i);
        QVERIFY2(AllWhite(image, cell.adjusted(1, 1, -1, -1)),
                 qPrintable(QString("cell %1").arg(i)));
        QCOMPARE(image.pixel(cell.left(), cell.center().y()), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(cell.center().x(), cell.bottom()), qRgb(0, 0, 0));
    }
    game.Click(4);
    QTRY_COMPARE(InkedCells(game.w), 1 << 4);
}

QTEST_MAIN(TestMemoryGrid)
#include "tst_memorygrid.moc"
