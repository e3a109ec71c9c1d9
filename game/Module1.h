// The test state that the main window's handlers share. Element i of each
// array belongs to grid cell i, counted row by row from the top left.
// Nothing here outlives the process.
#pragma once

#include "framework/NineArray.h"

#include <QColor>
#include <QString>

namespace Module1 {

// The colour-word reading test.
extern fw::NineArray<QColor> MyColor;    // ink of word cell i
extern fw::NineArray<QString> ColorName; // word text of word cell i
extern fw::NineArray<int> ColorSet;      // a permutation of the colour numbers 0..8
extern fw::NineArray<int> Jumble;        // a second permutation, for the scrambled deal
extern double MyNormalTime;              // best normal time in seconds; 0 = none yet
extern double MyScrambledTime;           // best scrambled time in seconds; 0 = none yet
extern double StartTime;                 // Ticks when the running reading run started
extern double EndTime;                   // Ticks when the last reading run stopped
extern double TotalTime;                 // seconds of the last normal run
extern double TotalTime1;                // seconds of the last scrambled run

// The memory test.
extern fw::NineArray<QString> NumberSet;     // "1" to "9" in dealt order
extern fw::NineArray<QString> DisplayNumber; // what memory cell i shows; empty shows nothing
extern fw::NineArray<QString> CorrectAnswer; // what memory cell i showed in the last display
extern fw::NineArray<QString> MyAnswer;      // the ordinal the user placed in cell i
extern fw::NineArray<QString> ClearAnswer;   // never written: all empty
extern bool StopFlag;                        // true while the numbers are on show
extern qint32 AnswerNo;                      // the next ordinal to place
extern qint32 CorrectAnswers;                // score of the last memory test
extern QString TakeThis;                     // "1" to "9": the memory cell last clicked

// Creates the arrays, every element empty; at program start.
void Init();
// Empties the arrays and TakeThis again; at program end.
void Exit();

} // namespace Module1
