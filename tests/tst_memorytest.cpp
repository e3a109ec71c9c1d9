// The memory test as the user plays it: the buttons and the grid clicked with
// the mouse, the scores and captions read off the window.
#include "MemoryGame.h"
#include "framework/Text.h"

#include <QSet>
#include <QtTest>
#include <functional>

using Module1::AnswerNo;
using Module1::CorrectAnswer;
using Module1::DisplayNumber;
using Module1::MyAnswer;

class TestMemoryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void beforeFirstTestOrdinalsCountFromZero();
    void startDealsEachNumberOnce();
    void clicksWhileShownAreIgnored();
    void secondStartDealsAnew();
    void realTimerFiresOnceByItself();
    void takeBackAndRefuse();
    void ninthPlacementScores_data();
    void ninthPlacementScores();
    void bestScore_data();
    void bestScore();
    void afterScoringNineStaysEightGoesBack();
    void swapAfterScoringShowsButKeepsScore();
    void showAnswerCycle();
    void startInMidCycleResets();
    void clickWhileAnswerShown();
    void scriptedSessionKeepsInvariants();
};

void TestMemoryTest::beforeFirstTestOrdinalsCountFromZero() {
    Game game;
    game.ShowAnswer(); // disabled: nothing happens
    QCOMPARE(Shown(game.w.ShowAnswer()), QString("Show Answer"));
    QCOMPARE(Shown(game.w.Status2()), QString());
    const QList<int> order{4, 0, 8, 2, 6, 1, 3, 7, 5};
    for (int n = 0; n <= 8; ++n) {
        game.Click(order[n]);
        QCOMPARE(DisplayNumber(order[n]), fw::Str(n));
        QVERIFY(InvariantsHold(game, {0}));
    }
    QCOMPARE(AnswerNo, 9);
    QCOMPARE(Shown(game.w.MyScore()), QString());
    QCOMPARE(Shown(game.w.BestScore()), QString("0"));
    QVERIFY(!game.w.ShowAnswer()->Enabled());

    game.Click(order[8]); // holds "8": taken back
    QCOMPARE(MyAnswer(order[8]), QString());
    QCOMPARE(DisplayNumber(order[8]), QString());
    QCOMPARE(game.platform.beeps, 0);
    const QStringList before = Cells(MyAnswer);
    game.Click(order[0]); // holds "0"
    QCOMPARE(game.platform.beeps, 1);
    QCOMPARE(Cells(MyAnswer), before);
    QVERIFY(InvariantsHold(game, {0}));
}

// Also in the middle of answering a press starts afresh.
void TestMemoryTest::startDealsEachNumberOnce() {
    Game game;
    game.StartAndHide();
    game.Place(DigitsScoring(9), 1, 3);
    const QStringList digits{"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    QSet<QStringList> deals;
    for (int press = 0; press < 5; ++press) {
        game.Start();
        QStringList sorted = game.deal;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, digits);
        deals.insert(game.deal);
        QVERIFY(Module1::StopFlag);
        QVERIFY(game.w.Timer1()->IsArmed());
        QCOMPARE(AnswerNo, 1);
        QCOMPARE(Cells(MyAnswer), QStringList(9));
        QVERIFY(!game.w.ShowAnswer()->Enabled());
        QCOMPARE(Shown(game.w.MyScore()), QString());
        QCOMPARE(Shown(game.w.Status2()), QString());
    }
    QVERIFY(deals.size() > 1);
}

void TestMemoryTest::clicksWhileShownAreIgnored() {
    Game game;
    game.Start();
    for (int i : {0, 4, 8, 4, 2})
        game.Click(i);
    QCOMPARE(game.platform.beeps, 0);
    QCOMPARE(Module1::TakeThis, QString("3")); // the only trace of them
    QCOMPARE(Cells(DisplayNumber), game.deal);
    QCOMPARE(Cells(MyAnswer), QStringList(9));
    QCOMPARE(AnswerNo, 1);
    game.Hide();
    QCOMPARE(Cells(DisplayNumber), QStringList(9));
    QCOMPARE(Cells(MyAnswer), QStringList(9));
    game.Click(8);
    QCOMPARE(MyAnswer(8), QString("1"));
    QCOMPARE(game.platform.beeps, 0);
}

void TestMemoryTest::secondStartDealsAnew() {
    Game game;
    game.Start();
    const QStringList first = game.deal;
    game.Start();
    QVERIFY(game.deal != first);
    QCOMPARE(Cells(DisplayNumber), game.deal);
    game.Hide();
    QVERIFY(!game.w.Timer1()->IsArmed());
    QCOMPARE(Cells(CorrectAnswer), game.deal);
    game.Place(DigitsScoring(9));
    QCOMPARE(Shown(game.w.MyScore()), QString("9"));
}

// Pressed twice within the second, the timer fires once, by itself.
void TestMemoryTest::realTimerFiresOnceByItself() {
    Game game;
    int fired = 0;
    fw::Timer* timer = game.w.Timer1();
    timer->Action = [&fired, handler = timer->Action] {
        ++fired;
        handler();
    };
    game.Start();
    game.Start();
    QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 3000);
    QCOMPARE(Cells(DisplayNumber), QStringList(9));
    QCOMPARE(Cells(CorrectAnswer), game.deal);
    game.Click(game.CellOfDigit(1));
    QTest::qWait(1500);
    QCOMPARE(fired, 1);
    QCOMPARE(DisplayNumber(game.CellOfDigit(1)), QString("1"));
    QCOMPARE(Cells(CorrectAnswer), game.deal);
}

void TestMemoryTest::takeBackAndRefuse() {
    Game game;
    game.StartAndHide();
    game.Click(0);
    game.Click(1);
    game.Click(0); // "1" is not the latest
    QCOMPARE(game.platform.beeps, 1);
    QCOMPARE(MyAnswer(0), QString("1"));
    QCOMPARE(MyAnswer(1), QString("2"));
    QCOMPARE(AnswerNo, 3);
    game.Click(1);
    QCOMPARE(MyAnswer(1), QString());
    QCOMPARE(DisplayNumber(1), QString());
    QCOMPARE(AnswerNo, 2);
    game.Click(5);
    QCOMPARE(MyAnswer(5), QString("2"));
    QCOMPARE(DisplayNumber(5), QString("2"));
    QCOMPARE(game.platform.beeps, 1);
    QVERIFY(InvariantsHold(game, {}));
}

void TestMemoryTest::ninthPlacementScores_data() {
    QTest::addColumn<int>("right");
    for (int k : {9, 0, 7, 4, 1})
        QTest::addRow("%d right", k) << k;
}

void TestMemoryTest::ninthPlacementScores() {
    QFETCH(int, right);
    Game game;
    game.StartAndHide();
    const QList<int> digits = DigitsScoring(right);
    game.Place(digits, 1, 8);
    QCOMPARE(Shown(game.w.MyScore()), QString());
    QVERIFY(!game.w.ShowAnswer()->Enabled());
    game.Place(digits, 9, 9);
    QCOMPARE(Shown(game.w.MyScore()), fw::Str(right));
    QCOMPARE(Shown(game.w.BestScore()), fw::Str(right));
    QVERIFY(game.w.ShowAnswer()->Enabled());
    QCOMPARE(Shown(game.w.ShowAnswer()), QString("Show Answer"));
    QCOMPARE(Shown(game.w.Status2()), QString());
    QCOMPARE(AnswerNo, 9);
    QVERIFY(InvariantsHold(game, {1, game.CellOfDigit(digits[8])}));
}

void TestMemoryTest::bestScore_data() {
    QTest::addColumn<QList<int>>("scores");
    QTest::addColumn<QStringList>("bests");
    QTest::newRow("zero stays zero") << QList<int>{0} << QStringList{"0"};
    QTest::newRow("higher replaces") << QList<int>{4, 7} << QStringList{"4", "7"};
    QTest::newRow("equal leaves") << QList<int>{5, 5} << QStringList{"5", "5"};
    QTest::newRow("lower leaves") << QList<int>{7, 3, 0} << QStringList{"7", "7", "7"};
    QTest::newRow("beaten later") << QList<int>{3, 1, 9} << QStringList{"3", "3", "9"};
}

// MyScore shows the last score; Start empties it and keeps the best.
void TestMemoryTest::bestScore() {
    QFETCH(QList<int>, scores);
    QFETCH(QStringList, bests);
    Game game;
    for (int t = 0; t < scores.size(); ++t) {
        game.PlayScoring(scores[t]);
        QCOMPARE(Shown(game.w.MyScore()), fw::Str(scores[t]));
        QCOMPARE(Shown(game.w.BestScore()), bests[t]);
        game.Start();
        QCOMPARE(Shown(game.w.MyScore()), QString());
        QCOMPARE(Shown(game.w.BestScore()), bests[t]);
    }
}

void TestMemoryTest::afterScoringNineStaysEightGoesBack() {
    Game game;
    game.PlayScoring(9);
    const int nine = game.CellOfDigit(9), eight = game.CellOfDigit(8);
    const QStringList scored = Cells(MyAnswer);
    game.Click(nine);
    QCOMPARE(game.platform.beeps, 1);
    QCOMPARE(Cells(MyAnswer), scored);
    game.Click(eight);
    QCOMPARE(MyAnswer(eight), QString());
    QCOMPARE(DisplayNumber(eight), QString());
    QCOMPARE(AnswerNo, 8);
    QCOMPARE(Shown(game.w.MyScore()), QString("9"));
    QCOMPARE(Shown(game.w.BestScore()), QString("9"));
    QVERIFY(game.w.ShowAnswer()->Enabled());
    QVERIFY(InvariantsHold(game, {1, nine}));
    game.Click(eight);
    QCOMPARE(Cells(MyAnswer), scored);
    QCOMPARE(AnswerNo, 9);
    QCOMPARE(Module1::CorrectAnswers, 9);
    QCOMPARE(game.platform.beeps, 1);
    QVERIFY(InvariantsHold(game, {1, nine}));
}

// Placing 8 and 7 the other way round would score 7: nothing is scored anew.
void TestMemoryTest::swapAfterScoringShowsButKeepsScore() {
    Game game;
    game.PlayScoring(9);
    const int eight = game.CellOfDigit(8), seven = game.CellOfDigit(7);
    game.Click(eight);
    game.Click(seven);
    game.Click(eight);
    game.Click(seven);
    QCOMPARE(MyAnswer(eight), QString("7"));
    QCOMPARE(MyAnswer(seven), QString("8"));
    QCOMPARE(Shown(game.w.MyScore()), QString("9"));
    QCOMPARE(Module1::CorrectAnswers, 9);
    game.ShowAnswer();
    game.ShowAnswer();
    QCOMPARE(Shown(game.w.Status2()), QString("My Answer"));
    QCOMPARE(DisplayNumber(eight), QString("7"));
    QCOMPARE(DisplayNumber(seven), QString("8"));
    QCOMPARE(Shown(game.w.MyScore()), QString("9"));
}

void TestMemoryTest::showAnswerCycle() {
    Game game;
    game.PlayScoring(7);
    const QStringList mine = Cells(MyAnswer);
    QVERIFY(mine != game.deal);
    const struct {
        const char* caption;
        const char* status;
        QStringList view;
    } steps[] = {{"Show My Answer", "Answer", game.deal},
                 {"Reset", "My Answer", mine},
                 {"Show Answer", "", QStringList(9)},
                 {"Show My Answer", "Answer", game.deal}};
    for (const auto& step : steps) {
        game.ShowAnswer();
        QCOMPARE(Shown(game.w.ShowAnswer()), QString(step.caption));
        QCOMPARE(Shown(game.w.Status2()), QString(step.status));
        QCOMPARE(Cells(DisplayNumber), step.view);
        QCOMPARE(Cells(MyAnswer), mine);
        QCOMPARE(Cells(CorrectAnswer), game.deal);
        QCOMPARE(AnswerNo, 9);
        QCOMPARE(Shown(game.w.MyScore()), QString("7"));
    }
}

void TestMemoryTest::startInMidCycleResets() {
    Game game;
    game.PlayScoring(5);
    game.ShowAnswer();
    game.ShowAnswer();
    QCOMPARE(Shown(game.w.ShowAnswer()), QString("Reset"));
    game.Start();
    QCOMPARE(Shown(game.w.ShowAnswer()), QString("Show Answer"));
    QVERIFY(!game.w.ShowAnswer()->Enabled());
    QCOMPARE(Shown(game.w.Status2()), QString());
    QCOMPARE(Shown(game.w.MyScore()), QString());
    QCOMPARE(Shown(game.w.BestScore()), QString("5"));
    game.ShowAnswer(); // disabled again
    QCOMPARE(Shown(game.w.ShowAnswer()), QString("Show Answer"));
    QCOMPARE(Cells(DisplayNumber), game.deal);
}

// None right, so the ordinal "8" stands where the correct view shows "9".
void TestMemoryTest::clickWhileAnswerShown() {
    Game game;
    game.PlayScoring(0);
    game.ShowAnswer();
    const int cell = game.CellHolding("8");
    QCOMPARE(DisplayNumber(cell), QString("9"));
    game.Click(cell);
    QStringList view = game.deal;
    view[cell] = "";
    QCOMPARE(Cells(DisplayNumber), view);
    QCOMPARE(MyAnswer(cell), QString());
    game.Click(cell);
    view[cell] = "8";
    QCOMPARE(Cells(DisplayNumber), view);
    QCOMPARE(MyAnswer(cell), QString("8"));
    QCOMPARE(Shown(game.w.Status2()), QString("Answer"));
    QCOMPARE(Shown(game.w.MyScore()), QString("0"));
    QCOMPARE(game.platform.beeps, 0);
}

// After every step of a long session the state stands where the rules say.
void TestMemoryTest::scriptedSessionKeepsInvariants() {
    Game game;
    Expected e{0};
    const auto at = [&game](int digit) { game.Click(game.CellOfDigit(digit)); };
    const auto newTest = [&] {
        game.StartAndHide();
        e = {1};
    };
    const auto score = [&] {
        at(9);
        e.nineCell = game.CellOfDigit(9);
    };
    const auto showAnswer = [&] {
        game.ShowAnswer();
        e.viewIsAnswers = false;
    };
    const struct {
        const char* what;
        std::function<void()> act;
        int beeps;
    } steps[] = {
        {"before any test, \"0\"", [&] { game.Click(4); }, 0},
        {"before any test, \"1\"", [&] { game.Click(0); }, 0},
        {"\"0\" is not the latest", [&] { game.Click(4); }, 1},
        {"\"1\" goes back", [&] { game.Click(0); }, 1},
        {"a test", newTest, 1},
        {"\"1\"", [&] { at(1); }, 1},
        {"\"2\"", [&] { at(2); }, 1},
        {"\"3\"", [&] { at(3); }, 1},
        {"\"4\"", [&] { at(4); }, 1},
        {"\"5\"", [&] { at(5); }, 1},
        {"\"3\" is not the latest", [&] { at(3); }, 2},
        {"\"5\" goes back", [&] { at(5); }, 2},
        {"\"5\" in a wrong cell", [&] { at(9); }, 2},
        {"and back again", [&] { at(9); }, 2},
        {"\"5\" again", [&] { at(5); }, 2},
        {"\"6\"", [&] { at(6); }, 2},
        {"\"7\"", [&] { at(7); }, 2},
        {"\"8\"", [&] { at(8); }, 2},
        {"\"9\" scores", score, 2},
        {"\"9\" stays", [&] { at(9); }, 3},
        {"\"8\" goes back", [&] { at(8); }, 3},
        {"\"7\" goes back", [&] { at(7); }, 3},
        {"\"7\" where 8 stood", [&] { at(8); }, 3},
        {"\"8\" where 7 stood", [&] { at(7); }, 3},
        {"the answer shown", showAnswer, 3},
        {"\"8\" goes back under it", [&] { at(7); }, 3},
        {"and in again", [&] { at(7); }, 3},
        {"my answer shown", [&] { game.ShowAnswer(); }, 3},
        {"nothing shown", [&] { game.ShowAnswer(); }, 3},
        {"a new test", newTest, 3},
    };
    for (const auto& step : steps) {
        step.act();
        QVERIFY2(InvariantsHold(game, e), step.what);
        QVERIFY2(game.platform.beeps == step.beeps,
                 qPrintable(QString("%1: %2 beeps").arg(step.what).arg(game.platform.beeps)));
    }
    QCOMPARE(Shown(game.w.BestScore()), QString("9"));
}

QTEST_MAIN(TestMemoryTest)
#include "tst_memorytest.moc"
