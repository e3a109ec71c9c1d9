// The memory test: the deal shown for one second, the clicks that place,
// take back or refuse an ordinal, the score, and the answer display.
#include "framework/Graphics.h"
#include "framework/Services.h"
#include "framework/Text.h"
#include "game/MemoryHitTest.h"
#include "game/Module1.h"
#include "game/Window1.h"

using namespace Module1;

namespace Quorvex {

void Window1::Start2_Action(fw::PushButton&) {
    ShowAnswer()->SetEnabled(false);
    AnswerNo = 1;
    CorrectAnswers = 0;
    MyScore()->SetText("");
    MyScore()->Refresh(true);
    ShowAnswer()->SetCaption("Show Answer");
    Status2()->SetText("");
    for (int i = 0; i <= 8; ++i) {
        DisplayNumber(i) = ClearAnswer(i);
        MyAnswer(i) = "";
    }
    SetUpNumbers();
    ::Window1()->Refresh(true);
    // The event loop delivers the timer only after this handler returns, so
    // setting StopFlag after arming it leaves no gap.
    Timer1()->SetMode(fw::Timer::ModeSingle);
    StopFlag = true;
}

void Window1::SetUpNumbers() {
    for (int i = 0; i <= 8; ++i)
        NumberSet(i) = fw::Str(i + 1);
    NumberSet.Shuffle();
    for (int i = 0; i <= 8; ++i)
        DisplayNumber(i) = NumberSet(i);
}

void Window1::Timer1_Action(fw::Timer&) {
    for (int i = 0; i <= 8; ++i)
        CorrectAnswer(i) = DisplayNumber(i);
    for (int i = 0; i <= 8; ++i)
        DisplayNumber(i) = "";
    StopFlag = false;
    ::Window1()->Refresh(true);
}

bool Window1::Cover_MouseDown(fw::Canvas&, int x, int y) {
    if (const int k = MemoryCellAt(x, y); k != 0) {
        TakeThis = fw::Str(k);
        UpDateAnswers();
    }
    return true;
}

void Window1::UpDateAnswers() {
    if (StopFlag) return;
    const int i = int(fw::Val(TakeThis) - 1.0);
    if (MyAnswer(i) == fw::Str(AnswerNo - 1)) {
        // The latest ordinal goes back.
        MyAnswer(i) = "";
        AnswerNo = AnswerNo - 1;
        DisplayNumber(i) = "";
        ::Window1()->Refresh(true);
        return;
    }
    if (MyAnswer(i).isEmpty()) {
        MyAnswer(i) = fw::Str(AnswerNo);
        DisplayNumber(i) = fw::Str(AnswerNo);
        ::Window1()->Refresh(true);
        if (AnswerNo != 9) {
            AnswerNo = AnswerNo + 1;
            return;
        }
        // The ninth placement scores the test; AnswerNo stays at 9, so the
        // ninth ordinal can never be taken back.
        CorrectAnswers = 0;
        for (int c = 0; c <= 8; ++c)
            if (MyAnswer(c) == CorrectAnswer(c)) CorrectAnswers = CorrectAnswers + 1;
        ShowAnswer()->SetEnabled(true);
        MyScore()->SetText(fw::Str(CorrectAnswers));
        MyScore()->Refresh(true);
        if (fw::Val(BestScore()->Text()) < double(CorrectAnswers))
            BestScore()->SetText(fw::Str(CorrectAnswers));
        return;
    }
    fw::Beep();
}

void Window1::ShowAnswer_Action(fw::PushButton&) {
    const QString caption = ShowAnswer()->Caption();
    const fw::NineArray<QString>* shown = nullptr;
    QString next, status;
    if (caption == "Show Answer") {
        next = "Show My Answer";
        shown = &CorrectAnswer;
        status = "Answer";
    } else if (caption == "Show My Answer") {
        next = "Reset";
        shown = &MyAnswer;
        status = "My Answer";
    } else if (caption == "Reset") {
        next = "Show Answer";
        shown = &ClearAnswer;
    } else {
        return;
    }
    ShowAnswer()->SetCaption(next);
    for (int i = 0; i <= 8; ++i)
        DisplayNumber(i) = (*shown)(i);
    Status2()->SetText(status);
    ::Window1()->Refresh(true);
}

void Window1::PaintMemoryCell(fw::Graphics& g, int cell) {
    g.TextSize = 50;
    g.Bold = true;
    g.ForeColor = fw::RGB(0, 0, 0, 0);
    g.DrawString(DisplayNumber(cell), 35, 65);
}

void Window1::Canvas11_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintMemoryCell(g, 0); }
void Window1::Canvas12_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintMemoryCell(g, 1); }
void Window1::Canvas13_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintMemoryCell(g, 2); }
void Window1::Canvas14_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintMemoryCell(g, 3); }
void Window1::Canvas15_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintMemoryCell(g, 4); }
void Window1::Canvas16_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintMemoryCell(g, 5); }
void Window1::Canvas17_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintMemoryCell(g, 6); }
void Window1::Canvas18_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintMemoryCell(g, 7); }
void Window1::Canvas19_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintMemoryCell(g, 8); }

} // namespace Quorvex
