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

// What differs between the normal and the scrambled run.
struct Mode {
    const char* startCaption;
    const char* statusText;
    fw::PushButton* (Window1::*ownButton)() const;
    fw::PushButton* (Window1::*otherButton)() const;
    void (Window1::*deal)();
    double* runTime;
    double* bestTime;
    fw::Label* (Window1::*bestLabel)() const;
};

const Mode Normal = {"Start Normal",         "Normal",
                     &Window1::Start1,       &Window1::Start1a,
                     &Window1::MakeColors,   &Module1::TotalTime,
                     &Module1::MyNormalTime, &Window1::NormalTime};
const Mode Scrambled = {"Start Scrambled",
                        "Scrambled",
                        &Window1::Start1a,
                        &Window1::Start1,
                        &Window1::MakeColorsScrambled,
                        &Module1::TotalTime1,
                        &Module1::MyScrambledTime,
                        &Window1::ScrambledTime};

void toggleRun(class Window1& w, const Mode& mode) {
    fw::PushButton* own = (w.*mode.ownButton)();
    if (own->Caption() == mode.startCaption) {
        own->SetCaption("Stop");
        (w.*mode.deal)();
        Module1::StartTime = double(fw::Ticks());
        w.MySeconds()->SetText("");
        w.Status1()->SetText(mode.statusText);
        (w.*mode.otherButton)()->SetEnabled(false);
        ::Window1()->Refresh(true);
        return;
    }
    own->SetCaption(mode.startCaption);
    Module1::EndTime = double(fw::Ticks());
    *mode.runTime = (Module1::EndTime - Module1::StartTime) / 60;
    const QString seconds = fw::Format(*mode.runTime, "0.#0");
    w.MySeconds()->SetText(seconds);
    w.Status1()->SetText("");
    (w.*mode.otherButton)()->SetEnabled(true);
    ::Window1()->Refresh(true);
    // A best time of 0 means there is none yet.
    if (*mode.bestTime == 0 || *mode.runTime < *mode.bestTime) {
        *mode.bestTime = *mode.runTime;
        (w.*mode.bestLabel)()->SetText(seconds);
        (w.*mode.bestLabel)()->Refresh(true);
    }
}

} // namespace

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

void Window1::Start1_Action(fw::PushButton&) { toggleRun(*this, Normal); }
void Window1::Start1a_Action(fw::PushButton&) { toggleRun(*this, Scrambled); }

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
