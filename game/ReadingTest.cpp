// The colour-word reading test: the two deals, the word cells and the two
// buttons that start and stop a timed run.
#include "framework/Graphics.h"
#include "framework/Services.h"
#include "framework/Text.h"
#include "game/ColorTable.h"
#include "game/Module1.h"
#include "game/Window1.h"

namespace {

QColor inkOf(int colour) {
    const QRgb ink = ColorTable.at(std::size_t(colour)).ink;
    return fw::RGB(qRed(ink), qGreen(ink), qBlue(ink), 0);
}

} // namespace

namespace Quorvex {

void Window1::MakeColors() {
    for (int i = 0; i <= 8; ++i)
        Module1::ColorSet(i) = i;
    Module1::ColorSet.Shuffle();
    for (int i = 0; i <= 8; ++i) {
        const int k = Module1::ColorSet(i);
        Module1::ColorName(i) = ColorTable.at(std::size_t(k)).normalText;
        Module1::MyColor(i) = inkOf(k);
    }
}

void Window1::MakeColorsScrambled() {
    for (int i = 0; i <= 8; ++i) {
        Module1::ColorSet(i) = i;
        Module1::Jumble(i) = i;
    }
    Module1::ColorSet.Shuffle();
    Module1::Jumble.Shuffle();
    for (int j = 0; j <= 8; ++j) {
        Module1::ColorName(Module1::ColorSet(j)) = ColorTable.at(std::size_t(j)).scrambledText;
        Module1::MyColor(Module1::Jumble(j)) = inkOf(j);
    }
}

// Each button starts a run of its own mode, and stops it: the caption tells which.
void Window1::Start1_Action(fw::PushButton&) {
    if (Start1()->Caption() == "Start Normal") {
        Start1()->SetCaption("Stop");
        MakeColors();
        StartRun("Normal", *Start1a());
    } else {
        Start1()->SetCaption("Start Normal");
        Module1::TotalTime = StopRun(*Start1a());
        KeepIfBest(Module1::MyNormalTime, Module1::TotalTime, *NormalTime());
    }
}

void Window1::Start1a_Action(fw::PushButton&) {
    if (Start1a()->Caption() == "Start Scrambled") {
        Start1a()->SetCaption("Stop");
        MakeColorsScrambled();
        StartRun("Scrambled", *Start1());
    } else {
        Start1a()->SetCaption("Start Scrambled");
        Module1::TotalTime1 = StopRun(*Start1());
        KeepIfBest(Module1::MyScrambledTime, Module1::TotalTime1, *ScrambledTime());
    }
}

// The clock starts after the deal and before the grid is drawn anew; the other
// mode waits until this run stops.
void Window1::StartRun(const QString& status, fw::PushButton& otherMode) {
    Module1::StartTime = double(fw::Ticks());
    MySeconds()->SetText("");
    Status1()->SetText(status);
    otherMode.SetEnabled(false);
    ::Window1()->Refresh(true);
}

// Shows the run's seconds and returns them.
double Window1::StopRun(fw::PushButton& otherMode) {
    Module1::EndTime = double(fw::Ticks());
    const double seconds = (Module1::EndTime - Module1::StartTime) / 60;
    MySeconds()->SetText(fw::Format(seconds, "0.#0"));
    Status1()->SetText("");
    otherMode.SetEnabled(true);
    ::Window1()->Refresh(true);
    return seconds;
}

// A best time of 0 means there is none yet; only a strictly lower time beats one.
void Window1::KeepIfBest(double& best, double run, fw::Label& bestLabel) {
    if (best == 0 || run < best) {
        best = run;
        bestLabel.SetText(MySeconds()->Text());
        bestLabel.Refresh(true);
    }
}

void Window1::PaintWordCell(fw::Graphics& g, int cell) {
    g.TextFont = "Arial";
    g.TextSize = 26;
    g.Bold = true;
    g.ForeColor = Module1::MyColor(cell);
    g.DrawString(Module1::ColorName(cell), 3, 60);
}

void Window1::Canvas1_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintWordCell(g, 0); }
void Window1::Canvas2_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintWordCell(g, 1); }
void Window1::Canvas3_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintWordCell(g, 2); }
void Window1::Canvas4_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintWordCell(g, 3); }
void Window1::Canvas5_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintWordCell(g, 4); }
void Window1::Canvas6_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintWordCell(g, 5); }
void Window1::Canvas7_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintWordCell(g, 6); }
void Window1::Canvas8_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintWordCell(g, 7); }
void Window1::Canvas9_Paint(fw::Canvas&, fw::Graphics& g, const Areas&) { PaintWordCell(g, 8); }

} // namespace Quorvex
