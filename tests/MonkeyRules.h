// What the monkey sees of the main window after each event, what it knows of
// the course of both tests from its own moves, and the rules that must hold.
#pragma once

#include "MemoryGame.h"
#include "framework/Text.h"
#include "game/ColorTable.h"
#include "game/Window1.h"

#include <QSet>
#include <algorithm>

namespace monkey {

enum class Run { None, Normal, Scrambled };

// The window as the user sees it, and the test state behind it.
struct Seen {
    QStringList display, answers, correct, words;
    QList<QRgb> inks;
    bool stopFlag = false, timerArmed = false;
    qint32 answerNo = 0, correctAnswers = 0;
    double normalBest = 0, scrambledBest = 0, startTime = 0, endTime = 0, normalRun = 0,
           scrambledRun = 0;
    QString start1, start1a, showAnswer, mySeconds, status1, status2, myScore, bestScore,
        normalTime, scrambledTime;
    bool start1On = false, start1aOn = false, start2On = false, showAnswerOn = false,
         supportOn = false;
    int beeps = 0;
    qsizetype urls = 0;
    bool operator==(const Seen&) const = default;
};

inline Seen See(const Quorvex::Window1& w, const FakePlatform& platform) {
    Seen s;
    s.display = Cells(Module1::DisplayNumber);
    s.answers = Cells(Module1::MyAnswer);
    s.correct = Cells(Module1::CorrectAnswer);
    s.words = Cells(Module1::ColorName);
    for (const QColor& ink : Module1::MyColor)
        s.inks << ink.rgb();
    s.stopFlag = Module1::StopFlag;
    s.timerArmed = w.Timer1()->IsArmed();
    s.answerNo = Module1::AnswerNo;
    s.correctAnswers = Module1::CorrectAnswers;
    s.normalBest = Module1::MyNormalTime;
    s.scrambledBest = Module1::MyScrambledTime;
    s.startTime = Module1::StartTime;
    s.endTime = Module1::EndTime;
    s.normalRun = Module1::TotalTime;
    s.scrambledRun = Module1::TotalTime1;
    s.start1 = Shown(w.Start1());
    s.start1a = Shown(w.Start1a());
    s.showAnswer = Shown(w.ShowAnswer());
    s.mySeconds = Shown(w.MySeconds());
    s.status1 = Shown(w.Status1());
    s.status2 = Shown(w.Status2());
    s.myScore = Shown(w.MyScore());
    s.bestScore = Shown(w.BestScore());
    s.normalTime = Shown(w.NormalTime());
    s.scrambledTime = Shown(w.ScrambledTime());
    s.start1On = w.Start1()->Widget()->isEnabled();
    s.start1aOn = w.Start1a()->Widget()->isEnabled();
    s.start2On = w.Start2()->Widget()->isEnabled();
    s.showAnswerOn = w.ShowAnswer()->Widget()->isEnabled();
    s.supportOn = w.SupportButton()->Widget()->isEnabled();
    s.beeps = platform.beeps;
    s.urls = platform.urls.size();
    return s;
}

// The names of what differs between two looks at the window.
inline QStringList Differences(const Seen& a, const Seen& b) {
    QStringList names;
    const auto note = [&names](bool same, const char* name) {
        if (!same) names << name;
    };
    note(a.display == b.display && a.answers == b.answers && a.correct == b.correct,
         "the memory grid");
    note(a.words == b.words && a.inks == b.inks, "the word grid");
    note(a.stopFlag == b.stopFlag && a.timerArmed == b.timerArmed, "StopFlag or the timer");
    note(a.answerNo == b.answerNo && a.correctAnswers == b.correctAnswers, "AnswerNo or the score");
    note(a.normalBest == b.normalBest && a.scrambledBest == b.scrambledBest, "the best times");
    note(a.startTime == b.startTime && a.endTime == b.endTime && a.normalRun == b.normalRun &&
             a.scrambledRun == b.scrambledRun,
         "the run times");
    note(a.start1 == b.start1 && a.start1a == b.start1a && a.showAnswer == b.showAnswer,
         "a caption");
    note(a.mySeconds == b.mySeconds && a.status1 == b.status1 && a.status2 == b.status2 &&
             a.myScore == b.myScore && a.bestScore == b.bestScore && a.normalTime == b.normalTime &&
             a.scrambledTime == b.scrambledTime,
         "a label");
    note(a.start1On == b.start1On && a.start1aOn == b.start1aOn && a.start2On == b.start2On &&
             a.showAnswerOn == b.showAnswerOn && a.supportOn == b.supportOn,
         "a button's enabling");
    note(a.beeps == b.beeps, "the beeps");
    note(a.urls == b.urls, "the addresses handed on");
    return names;
}

// What the monkey's own moves say about where the tests stand.
struct Course {
    bool started = false;     // "Start Memory Test" was pressed
    bool onShow = false;      // the numbers are on show
    int nineCell = -1;        // where "9" was placed, once the test is scored
    bool answersShown = true; // the grid shows the user's ordinals
    int bestScore = 0;
    Run running = Run::None; // the reading run being timed
    Run lastRun = Run::None; // the last reading run stopped
    Run lastDeal = Run::Normal;
    bool normalDone = false, scrambledDone = false;
};

inline QStringList Texts(int from, int to) {
    QStringList texts;
    for (int n = from; n <= to; ++n)
        texts << fw::Str(n);
    return texts;
}

inline QStringList Sorted(QStringList list) {
    std::sort(list.begin(), list.end(),
              [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    return list;
}

inline QString BestLabel(bool done, double best) {
    return done ? fw::Format(best, "0.#0") : QString();
}

// Each colour's word once and each ink once; in a normal deal each word in its own ink.
inline bool WordGridDealt(const Seen& s, Run deal) {
    QSet<QString> words;
    QSet<QRgb> inks;
    for (int i = 0; i <= 8; ++i) {
        const auto colour = std::find_if(ColorTable.begin(), ColorTable.end(), [&](auto& c) {
            return s.words[i] == (deal == Run::Normal ? c.normalText : c.scrambledText);
        });
        if (colour == ColorTable.end()) return false;
        if (deal == Run::Normal && s.inks[i] != QColor(colour->ink).rgb()) return false;
        words << s.words[i];
        inks << s.inks[i];
    }
    QSet<QRgb> all;
    for (const WordColor& c : ColorTable)
        all << QColor(c.ink).rgb();
    return words.size() == 9 && inks == all;
}

// The rules of both tests, between the state before an event and after it;
// each broken rule is named in the list returned.
inline QStringList BrokenRules(const Seen& before, const Seen& s, const Course& c) {
    QStringList broken;
    const auto rule = [&broken](bool holds, const char* what) {
        if (!holds) broken << what;
    };
    const bool scored = c.nineCell >= 0;

    rule(s.stopFlag == c.onShow, "StopFlag is true exactly while the numbers are on show");
    rule(s.timerArmed == c.onShow, "the timer is armed exactly while the numbers are on show");
    if (c.onShow) {
        rule(Sorted(s.display) == Texts(1, 9), "the numbers on show are 1 to 9, once each");
        rule(s.answerNo == 1, "AnswerNo is 1 while the numbers are on show");
        rule(s.answers == QStringList(9, QString()), "no ordinal is placed while on show");
    } else {
        QStringList placed;
        for (int i = 0; i <= 8; ++i)
            if (!s.answers[i].isEmpty() && i != c.nineCell) placed << s.answers[i];
        rule(Sorted(placed) == Texts(c.started ? 1 : 0, s.answerNo - 1),
             "the placed ordinals run once each up to AnswerNo - 1");
        rule(!scored || s.answers[c.nineCell] == "9", "the scored \"9\" stays where it was placed");
        rule(!c.answersShown || s.display == s.answers, "the grid shows the user's ordinals");
    }
    rule(s.showAnswerOn == scored, "ShowAnswer is enabled exactly once the test is scored");
    rule(s.myScore == (scored ? fw::Str(s.correctAnswers) : QString()),
         "MyScore is empty before scoring, then the score");
    rule(s.bestScore == fw::Str(c.bestScore), "BestScore is the best score so far");
    rule(fw::Val(s.bestScore) >= fw::Val(before.bestScore), "BestScore never decreases");
    const QString status2 = s.showAnswer == "Show Answer"      ? QString()
                            : s.showAnswer == "Show My Answer" ? QString("Answer")
                            : s.showAnswer == "Reset"          ? QString("My Answer")
                                                               : QString("?");
    rule(s.status2 == status2, "Status2 names what the answer cycle shows");

    rule(s.start1 == (c.running == Run::Normal ? "Stop" : "Start Normal"),
         "Start1 reads \"Stop\" exactly while a normal run is timed");
    rule(s.start1a == (c.running == Run::Scrambled ? "Stop" : "Start Scrambled"),
         "Start1a reads \"Stop\" exactly while a scrambled run is timed");
    rule(s.start1On == (c.running != Run::Scrambled) && s.start1aOn == (c.running != Run::Normal),
         "only the running mode's button is enabled while a run is timed");
    rule(s.status1 == (c.running == Run::Normal      ? "Normal"
                       : c.running == Run::Scrambled ? "Scrambled"
                                                     : ""),
         "Status1 names the running mode");
    const QString seconds = c.running != Run::None        ? QString()
                            : c.lastRun == Run::Normal    ? fw::Format(s.normalRun, "0.#0")
                            : c.lastRun == Run::Scrambled ? fw::Format(s.scrambledRun, "0.#0")
                                                          : QString();
    rule(s.mySeconds == seconds, "MySeconds shows the last run's time, empty while timing");
    rule(before.normalBest == 0 || s.normalBest <= before.normalBest,
         "the best normal time never rises");
    rule(before.scrambledBest == 0 || s.scrambledBest <= before.scrambledBest,
         "the best scrambled time never rises");
    rule(s.normalTime == BestLabel(c.normalDone, s.normalBest), "NormalTime shows the best");
    rule(s.scrambledTime == BestLabel(c.scrambledDone, s.scrambledBest),
         "ScrambledTime shows the best");
    rule(WordGridDealt(s, c.lastDeal), "the word grid holds a whole deal");
    rule(s.start2On && s.supportOn, "Start Memory Test and Support Vesk stay enabled");
    return broken;
}

} // namespace monkey
