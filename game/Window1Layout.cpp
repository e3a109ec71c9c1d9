// The main window's design: its settings and its table of controls.
#include "app/MenuBars.h"
#include "framework/Records.h"
#include "game/Window1.h"

namespace Quorvex {

namespace {
using namespace fw::table;
const fw::WindowSettings Settings = {.width = 680, .height = 463, .title = "Quorvex"};
constexpr fw::TextType Arial12 = {"Arial", 12, true}, Arial20 = {"Arial", 20, true};

// The 58 controls in the order in which the window creates them.
// clang-format off
const std::array<fw::ControlRow, 58> Controls = {{
//   name             index class   inside          left top  width height text                             type     align    enabled tab events
    {"Rectangle1",    1,    Rect,   "",             120, 20,  100,  100,   "",                              NoText,  NoAlign, true,   0},
    {"Canvas2",       None, Canv,   "Rectangle1$1", 120, 20,  100,  100,   "",                              NoText,  NoAlign, true,   27, {Paint<&Window1::Canvas2_Paint>}},
    {"Cover",         None, Canv,   "",             360, 20,  300,  300,   "",                              NoText,  NoAlign, true,   1,  {MouseDown<&Window1::Cover_MouseDown>}},
    {"Rectangle2",    0,    Rect,   "Cover",        360, 20,  100,  100,   "",                              NoText,  NoAlign, true,   0},
    {"Canvas11",      None, Canv,   "Rectangle2$0", 360, 20,  100,  100,   "",                              NoText,  NoAlign, true,   11, {Paint<&Window1::Canvas11_Paint>}},
    {"Rectangle2",    1,    Rect,   "Cover",        460, 20,  100,  100,   "",                              NoText,  NoAlign, true,   1},
    {"Canvas12",      None, Canv,   "Rectangle2$1", 460, 20,  100,  100,   "",                              NoText,  NoAlign, true,   12, {Paint<&Window1::Canvas12_Paint>}},
    {"Rectangle2",    2,    Rect,   "Cover",        560, 20,  100,  100,   "",                              NoText,  NoAlign, true,   2},
    {"Canvas13",      None, Canv,   "Rectangle2$2", 560, 20,  100,  100,   "",                              NoText,  NoAlign, true,   13, {Paint<&Window1::Canvas13_Paint>}},
    {"Rectangle2",    3,    Rect,   "Cover",        360, 120, 100,  100,   "",                              NoText,  NoAlign, true,   3},
    {"Canvas14",      None, Canv,   "Rectangle2$3", 360, 120, 100,  100,   "",                              NoText,  NoAlign, true,   14, {Paint<&Window1::Canvas14_Paint>}},
    {"Rectangle2",    4,    Rect,   "Cover",        460, 120, 100,  100,   "",                              NoText,  NoAlign, true,   4},
    {"Canvas15",      None, Canv,   "Rectangle2$4", 460, 120, 100,  100,   "",                              NoText,  NoAlign, true,   15, {Paint<&Window1::Canvas15_Paint>}},
    {"Rectangle2",    5,    Rect,   "Cover",        560, 120, 100,  100,   "",                              NoText,  NoAlign, true,   5},
    {"Canvas16",      None, Canv,   "Rectangle2$5", 560, 120, 100,  100,   "",                              NoText,  NoAlign, true,   16, {Paint<&Window1::Canvas16_Paint>}},
    {"Rectangle2",    6,    Rect,   "Cover",        360, 220, 100,  100,   "",                              NoText,  NoAlign, true,   6},
    {"Canvas17",      None, Canv,   "Rectangle2$6", 360, 220, 100,  100,   "",                              NoText,  NoAlign, true,   17, {Paint<&Window1::Canvas17_Paint>}},
    {"Rectangle2",    7,    Rect,   "Cover",        460, 220, 100,  100,   "",                              NoText,  NoAlign, true,   7},
    {"Canvas18",      None, Canv,   "Rectangle2$7", 460, 220, 100,  100,   "",                              NoText,  NoAlign, true,   18, {Paint<&Window1::Canvas18_Paint>}},
    {"Rectangle2",    8,    Rect,   "Cover",        560, 220, 100,  100,   "",                              NoText,  NoAlign, true,   8},
    {"Canvas19",      None, Canv,   "Rectangle2$8", 560, 220, 100,  100,   "",                              NoText,  NoAlign, true,   19, {Paint<&Window1::Canvas19_Paint>}},
    {"Rectangle1",    0,    Rect,   "",             20,  20,  100,  100,   "",                              NoText,  NoAlign, true,   2},
    {"Canvas1",       None, Canv,   "Rectangle1$0", 20,  20,  100,  100,   "",                              NoText,  NoAlign, true,   35, {Paint<&Window1::Canvas1_Paint>}},
    {"Rectangle1",    2,    Rect,   "",             220, 20,  100,  100,   "",                              NoText,  NoAlign, true,   3},
    {"Canvas3",       None, Canv,   "Rectangle1$2", 220, 20,  100,  100,   "",                              NoText,  NoAlign, true,   28, {Paint<&Window1::Canvas3_Paint>}},
    {"Rectangle1",    3,    Rect,   "",             20,  120, 100,  100,   "",                              NoText,  NoAlign, true,   4},
    {"Canvas4",       None, Canv,   "Rectangle1$3", 20,  120, 100,  100,   "",                              NoText,  NoAlign, true,   29, {Paint<&Window1::Canvas4_Paint>}},
    {"Rectangle1",    4,    Rect,   "",             120, 120, 100,  100,   "",                              NoText,  NoAlign, true,   5},
    {"Canvas5",       None, Canv,   "Rectangle1$4", 120, 120, 100,  100,   "",                              NoText,  NoAlign, true,   30, {Paint<&Window1::Canvas5_Paint>}},
    {"Rectangle1",    5,    Rect,   "",             220, 120, 100,  100,   "",                              NoText,  NoAlign, true,   6},
    {"Canvas6",       None, Canv,   "Rectangle1$5", 220, 120, 100,  100,   "",                              NoText,  NoAlign, true,   31, {Paint<&Window1::Canvas6_Paint>}},
    {"Rectangle1",    6,    Rect,   "",             20,  220, 100,  100,   "",                              NoText,  NoAlign, true,   7},
    {"Canvas7",       None, Canv,   "Rectangle1$6", 20,  220, 100,  100,   "",                              NoText,  NoAlign, true,   32, {Paint<&Window1::Canvas7_Paint>}},
    {"Rectangle1",    7,    Rect,   "",             120, 220, 100,  100,   "",                              NoText,  NoAlign, true,   8},
    {"Canvas8",       None, Canv,   "Rectangle1$7", 120, 220, 100,  100,   "",                              NoText,  NoAlign, true,   33, {Paint<&Window1::Canvas8_Paint>}},
    {"Rectangle1",    8,    Rect,   "",             220, 220, 100,  100,   "",                              NoText,  NoAlign, true,   9},
    {"Canvas9",       None, Canv,   "Rectangle1$8", 220, 220, 100,  100,   "",                              NoText,  NoAlign, true,   34, {Paint<&Window1::Canvas9_Paint>}},
    {"Separator1",    None, Sep,    "",             339, 21,  1,    374,   "",                              NoText,  NoAlign, false,  10},
    {"Start1",        None, Button, "",             20,  342, 130,  20,    "Start Normal",                  Arial12, NoAlign, true,   20, {Action<&Window1::Start1_Action>}},
    {"Start2",        None, Button, "",             360, 342, 130,  20,    "Start Memory Test",             Arial12, NoAlign, true,   21, {Action<&Window1::Start2_Action>}},
    {"StaticText1",   None, Text,   "",             93,  368, 60,   20,    "That took ",                    Arial12, R,       true,   22},
    {"MySeconds",     None, Text,   "",             155, 368, 30,   20,    "",                              Arial12, C,       true,   23},
    {"StaticText3",   None, Text,   "",             191, 368, 57,   20,    "seconds.",                      Arial12, L,       true,   24},
    {"MyScore",       None, Text,   "",             432, 368, 22,   20,    "",                              Arial12, C,       true,   25},
    {"StaticText6",   None, Text,   "",             460, 368, 134,  20,    "numbers were correct.",         Arial12, L,       true,   26},
    {"Start1a",       None, Button, "",             190, 342, 130,  20,    "Start Scrambled",               Arial12, NoAlign, true,   36, {Action<&Window1::Start1a_Action>}},
    {"Timer1",        None, Tmr,    "",             0,   0,   0,    0,     "",                              NoText,  NoAlign, true,   0,  {Action<&Window1::Timer1_Action>}, {.mode = 0, .period = 1000}},
    {"ShowAnswer",    None, Button, "",             530, 342, 130,  20,    "Show Answer",                   Arial12, NoAlign, false,  38, {Action<&Window1::ShowAnswer_Action>}},
    {"SupportButton", None, Button, "",             284, 415, 110,  20,    "Support Vesk",                  Arial12, NoAlign, true,   39, {Action<&Window1::SupportButton_Action>}},
    {"StaticText7",   None, Text,   "",             72,  413, 196,  30,    "Word Recognition",              Arial20, C,       true,   40},
    {"StaticText8",   None, Text,   "",             420, 413, 181,  30,    "Memory Test",                   Arial20, C,       true,   41},
    {"StaticText9",   None, Text,   "",             426, 390, 146,  20,    "Best score this session:",      Arial12, R,       true,   42},
    {"BestScore",     None, Text,   "",             581, 390, 13,   20,    "0",                             Arial12, C,       true,   43},
    {"StaticText10",  None, Text,   "",             88,  390, 165,  20,    "<= Best times this session =>", Arial12, C,       true,   44},
    {"ScrambledTime", None, Text,   "",             255, 390, 30,   20,    "",                              Arial12, C,       true,   45},
    {"NormalTime",    None, Text,   "",             52,  390, 30,   20,    "",                              Arial12, C,       true,   46},
    {"Status1",       None, Text,   "",             120, 321, 100,  20,    "",                              Arial12, C,       true,   47},
    {"Status2",       None, Text,   "",             460, 321, 100,  20,    "",                              Arial12, C,       true,   48},
}};
// clang-format on

} // namespace

void Window1::Layout() {
    SetMenuBar(::MenuBar1());
    fw::SetProperties(*this, fw::WindowRecord(Settings));
}

void Window1::CreateControls() {
    CreateControls0();
    CreateControls1();
}

void Window1::CreateControls0() {
    fw::CreateControlsFrom(*this, std::span(Controls).first(30), fw::TextOrder::SizeThenUnit);
}

void Window1::CreateControls1() {
    fw::CreateControlsFrom(*this, std::span(Controls).subspan(30), fw::TextOrder::SizeThenUnit);
}

} // namespace Quorvex
