// The test state.
#include "game/Module1.h"

namespace Module1 {

fw::NineArray<QColor> MyColor;
fw::NineArray<QString> ColorName;
fw::NineArray<int> ColorSet;
fw::NineArray<int> Jumble;
double MyNormalTime = 0.0;
double MyScrambledTime = 0.0;
double StartTime = 0.0;
double EndTime = 0.0;
double TotalTime = 0.0;
double TotalTime1 = 0.0;

fw::NineArray<QString> NumberSet;
fw::NineArray<QString> DisplayNumber;
fw::NineArray<QString> CorrectAnswer;
fw::NineArray<QString> MyAnswer;
fw::NineArray<QString> ClearAnswer;
bool StopFlag = false;
qint32 AnswerNo = 0;
qint32 CorrectAnswers = 0;
QString TakeThis;

void Init() {
    // A new Color element is black, not Qt's invalid colour.
    for (int i = 0; i <= 8; ++i)
        MyColor(i) = QColor(Qt::black);
    ColorSet.Clear();
    ColorName.Clear();
    NumberSet.Clear();
    DisplayNumber.Clear();
    CorrectAnswer.Clear();
    MyAnswer.Clear();
    ClearAnswer.Clear();
    Jumble.Clear();
}

// The arrays and TakeThis, in their fixed order; the numbers and the flag have
// nothing to release.
void Exit() {
    MyColor.Clear();
    ColorSet.Clear();
    ColorName.Clear();
    NumberSet.Clear();
    DisplayNumber.Clear();
    CorrectAnswer.Clear();
    TakeThis.clear();
    MyAnswer.Clear();
    ClearAnswer.Clear();
    Jumble.Clear();
}

} // namespace Module1
