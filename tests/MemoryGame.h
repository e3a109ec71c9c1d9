// Plays the memory test as a user does, on a program started for the test,
// and checks the rules that must hold while the numbers are not on show.
#pragma once

#include "Clicks.h"
#include "FakePlatform.h"
#include "Program.h"
#include "game/Module1.h"

#include <QAbstractButton>
#include <QLabel>
#include <QtTest>
#include <algorithm>

inline QStringList Cells(const fw::NineArray<QString>& a) {
    return QStringList(a.begin(), a.end());
}

// What the control shows on screen.
inline QString Shown(const fw::RectControl* control) {
    if (auto* label = qobject_cast<QLabel*>(control->Widget())) return label->text();
    return qobject_cast<QAbstractButton*>(control->Widget())->text();
}

// Memory cell i, or a point of Cover, in window content coordinates.
inline QPoint CellCentre(int i) { return {410 + 100 * (i % 3), 70 + 100 * (i / 3)}; }
inline QPoint OnCover(int x, int y) { return {360 + x, 20 + y}; }

// The digit shown for each ordinal: k ordinals land where their own digit stood,
// the rest are rotated among themselves, so exactly k cells are right.
inline QList<int> DigitsScoring(int k) {
    QList<int> digits;
    for (int n = 1; n <= 9; ++n)
        digits << (n <= k ? n : (n == 9 ? k + 1 : n + 1));
    return digits;
}

// The program with a fake platform, and the moves a user makes on the memory test.
struct Game {
    FakePlatform platform;
    ProgramRun program;
    Quorvex::Window1& w = *program.window;
    QStringList deal;           // what the last start showed
    QList<QPoint> coverPresses; // once recorded: what Cover_MouseDown was given

    void RecordCoverPresses() {
        fw::Canvas* cover = w.Cover();
        cover->MouseDown = [this, handler = cover->MouseDown](int x, int y) {
            coverPresses << QPoint(x, y);
            return handler(x, y);
        };
    }

    void Start() {
        QTest::mouseClick(w.Start2()->Widget(), Qt::LeftButton);
        deal = Cells(Module1::DisplayNumber);
    }
    void Hide() { w.Timer1()->ElapseNow(); } // the second on show runs out
    void StartAndHide() {
        Start();
        Hide();
    }
    void Click(int cell) { ClickAt(w, CellCentre(cell)); }
    void ShowAnswer() { QTest::mouseClick(w.ShowAnswer()->Widget(), Qt::LeftButton); }
    int CellOfDigit(int digit) const { return int(deal.indexOf(QString::number(digit))); }
    int CellHolding(const QString& ordinal) const {
        return int(Cells(Module1::MyAnswer).indexOf(ordinal));
    }
    // Places ordinal n where digits[n - 1] was shown, from the first ordinal on.
    void Place(const QList<int>& digits, int from = 1, int to = 9) {
        for (int n = from; n <= to; ++n)
            Click(CellOfDigit(digits[n - 1]));
    }
    void PlayScoring(int k) {
        StartAndHide();
        Place(DigitsScoring(k));
    }
};

// Where the state of the test must stand while the numbers are not on show.
struct Expected {
    int firstOrdinal = 1;      // 0 before the first test
    int nineCell = -1;         // where "9" was placed, once scored
    bool viewIsAnswers = true; // from the timer to the first "Show Answer"
};

inline void VerifyInvariants(const Game& game, const Expected& e) {
    QVERIFY(!Module1::StopFlag);
    const bool scored = e.nineCell >= 0;
    if (scored) QCOMPARE(Module1::MyAnswer(e.nineCell), QString("9"));
    QList<int> placed, expected;
    for (int i = 0; i <= 8; ++i)
        if (!Module1::MyAnswer(i).isEmpty() && i != e.nineCell)
            placed << Module1::MyAnswer(i).toInt();
    for (int n = e.firstOrdinal; n < Module1::AnswerNo; ++n)
        expected << n;
    std::sort(placed.begin(), placed.end());
    QCOMPARE(placed, expected);
    if (e.viewIsAnswers) QCOMPARE(Cells(Module1::DisplayNumber), Cells(Module1::MyAnswer));
    QCOMPARE(game.w.ShowAnswer()->Enabled(), scored);
    QCOMPARE(Shown(game.w.MyScore()).isEmpty(), !scored);
}

// For QVERIFY: a failed comparison inside has been reported already.
inline bool InvariantsHold(const Game& game, const Expected& e) {
    VerifyInvariants(game, e);
    return !QTest::currentTestFailed();
}
