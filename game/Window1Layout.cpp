// The main window's design table.
#include "game/Window1Layout.h"

#include "framework/Records.h"

namespace Window1Layout {

namespace {
constexpr Kind Rect = Kind::Rectangle, Canv = Kind::Canvas, Sep = Kind::Separator,
               Button = Kind::PushButton, Text = Kind::Label, Tmr = Kind::Timer;
constexpr int L = 0, C = 1, R = 2, None = -1;
} // namespace

// clang-format off
const std::array<Row, 58> Controls = {{
//   name             index kind    inside          left  top  width height text                              size align   enabled tab
    {"Rectangle1",    1,    Rect,   "",             120,  20,  100,  100,   "",                               0,   None,   true,  0},
    {"Canvas2",       None, Canv,   "Rectangle1$1", 120,  20,  100,  100,   "",                               0,   None,   true,  27},
    {"Cover",         None, Canv,   "",             360,  20,  300,  300,   "",                               0,   None,   true,  1},
    {"Rectangle2",    0,    Rect,   "Cover",        360,  20,  100,  100,   "",                               0,   None,   true,  0},
    {"Canvas11",      None, Canv,   "Rectangle2$0", 360,  20,  100,  100,   "",                               0,   None,   true,  11},
    {"Rectangle2",    1,    Rect,   "Cover",        460,  20,  100,  100,   "",                               0,   None,   true,  1},
    {"Canvas12",      None, Canv,   "Rectangle2$1", 460,  20,  100,  100,   "",                               0,   None,   true,  12},
    {"Rectangle2",    2,    Rect,   "Cover",        560,  20,  100,  100,   "",                               0,   None,   true,  2},
    {"Canvas13",      None, Canv,   "Rectangle2$2", 560,  20,  100,  100,   "",                               0,   None,   true,  13},
    {"Rectangle2",    3,    Rect,   "Cover",        360,  120, 100,  100,   "",                               0,   None,   true,  3},
    {"Canvas14",      None, Canv,   "Rectangle2$3", 360,  120, 100,  100,   "",                               0,   None,   true,  14},
    {"Rectangle2",    4,    Rect,   "Cover",        460,  120, 100,  100,   "",                               0,   None,   true,  4},
    {"Canvas15",      None, Canv,   "Rectangle2$4", 460,  120, 100,  100,   "",                               0,   None,   true,  15},
    {"Rectangle2",    5,    Rect,   "Cover",        560,  120, 100,  100,   "",                               0,   None,   true,  5},
    {"Canvas16",      None, Canv,   "Rectangle2$5", 560,  120, 100,  100,   "",                               0,   None,   true,  16},
    {"Rectangle2",    6,    Rect,   "Cover",        360,  220, 100,  100,   "",                               0,   None,   true,  6},
    {"Canvas17",      None, Canv,   "Rectangle2$6", 360,  220, 100,  100,   "",                               0,   None,   true,  17},
    {"Rectangle2",    7,    Rect,   "Cover",        460,  220, 100,  100,   "",                               0,   None,   true,  7},
    {"Canvas18",      None, Canv,   "Rectangle2$7", 460,  220, 100,  100,   "",                               0,   None,   true,  18},
    {"Rectangle2",    8,    Rect,   "Cover",        560,  220, 100,  100,   "",                               0,   None,   true,  8},
    {"Canvas19",      None, Canv,   "Rectangle2$8", 560,  220, 100,  100,   "",                               0,   None,   true,  19},
    {"Rectangle1",    0,    Rect,   "",             20,   20,  100,  100,   "",                               0,   None,   true,  2},
    {"Canvas1",       None, Canv,   "Rectangle1$0", 20,   20,  100,  100,   "",                               0,   None,   true,  35},
    {"Rectangle1",    2,    Rect,   "",             220,  20,  100,  100,   "",                               0,   None,   true,  3},
    {"Canvas3",       None, Canv,   "Rectangle1$2", 220,  20,  100,  100,   "",                               0,   None,   true,  28},
    {"Rectangle1",    3,    Rect,   "",             20,   120, 100,  100,   "",                               0,   None,   true,  4},
    {"Canvas4",       None, Canv,   "Rectangle1$3", 20,   120, 100,  100,   "",                               0,   None,   true,  29},
    {"Rectangle1",    4,    Rect,   "",             120,  120, 100,  100,   "",                               0,   None,   true,  5},
    {"Canvas5",       None, Canv,   "Rectangle1$4", 120,  120, 100,  100,   "",                               0,   None,   true,  30},
    {"Rectangle1",    5,    Rect,   "",             220,  120, 100,  100,   "",                               0,   None,   true,  6},
    {"Canvas6",       None, Canv,   "Rectangle1$5", 220,  120, 100,  100,   "",                               0,   None,   true,  31},
    {"Rectangle1",    6,    Rect,   "",             20,   220, 100,  100,   "",                               0,   None,   true,  7},
    {"Canvas7",       None, Canv,   "Rectangle1$6", 20,   220, 100,  100,   "",                               0,   None,   true,  32},
    {"Rectangle1",    7,    Rect,   "",             120,  220, 100,  100,   "",                               0,   None,   true,  8},
    {"Canvas8",       None, Canv,   "Rectangle1$7", 120,  220, 100,  100,   "",                               0,   None,   true,  33},
    {"Rectangle1",    8,    Rect,   "",             220,  220, 100,  100,   "",                               0,   None,   true,  9},
    {"Canvas9",       None, Canv,   "Rectangle1$8", 220,  220, 100,  100,   "",                               0,   None,   true,  34},
    {"Separator1",    None, Sep,    "",             339,  21,  1,    374,   "",                               0,   None,   false, 10},
    {"Start1",        None, Button, "",             20,   342, 130,  20,    "Start Normal",                   12,  None,   true,  20},
    {"Start2",        None, Button, "",             360,  342, 130,  20,    "Start Memory Test",              12,  None,   true,  21},
    {"StaticText1",   None, Text,   "",             93,   368, 60,   20,    "That took ",                     12,  R,      true,  22},
    {"MySeconds",     None, Text,   "",             155,  368, 30,   20,    "",                               12,  C,      true,  23},
    {"StaticText3",   None, Text,   "",             191,  368, 57,   20,    "seconds.",                       12,  L,      true,  24},
    {"MyScore",       None, Text,   "",             432,  368, 22,   20,    "",                               12,  C,      true,  25},
    {"StaticText6",   None, Text,   "",             460,  368, 134,  20,    "numbers were correct.",          12,  L,      true,  26},
    {"Start1a",       None, Button, "",             190,  342, 130,  20,    "Start Scrambled",                12,  None,   true,  36},
    {"Timer1",        None, Tmr,    "",             0,    0,   0,    0,     "",                               0,   None,   true,  0},
    {"ShowAnswer",    None, Button, "",             530,  342, 130,  20,    "Show Answer",                    12,  None,   false, 38},
    {"SupportButton", None, Button, "",             284,  415, 110,  20,    "Support Vesk",                   12,  None,   true,  39},
    {"StaticText7",   None, Text,   "",             72,   413, 196,  30,    "Word Recognition",               20,  C,      true,  40},
    {"StaticText8",   None, Text,   "",             420,  413, 181,  30,    "Memory Test",                    20,  C,      true,  41},
    {"StaticText9",   None, Text,   "",             426,  390, 146,  20,    "Best score this session:",       12,  R,      true,  42},
    {"BestScore",     None, Text,   "",             581,  390, 13,   20,    "0",                              12,  C,      true,  43},
    {"StaticText10",  None, Text,   "",             88,   390, 165,  20,    "<= Best times this session =>",  12,  C,      true,  44},
    {"ScrambledTime", None, Text,   "",             255,  390, 30,   20,    "",                               12,  C,      true,  45},
    {"NormalTime",    None, Text,   "",             52,   390, 30,   20,    "",                               12,  C,      true,  46},
    {"Status1",       None, Text,   "",             120,  321, 100,  20,    "",                               12,  C,      true,  47},
    {"Status2",       None, Text,   "",             460,  321, 100,  20,    "",                               12,  C,      true,  48},
}};
// clang-format on

QByteArray WindowRecord() {
    fw::WindowSettings s;
    s.width = 680;
    s.height = 463;
    s.title = QStringLiteral("Quorvex");
    return fw::WindowRecord(s);
}

QByteArray RecordOf(const Row& row) {
    fw::Placement p;
    p.name = row.name;
    p.index = row.index < 0 ? fw::NoIndex : row.index;
    p.left = row.left;
    p.top = row.top;
    p.width = row.width;
    p.height = row.height;
    p.tabIndex = row.tab;
    p.inside = row.inside;
    p.enabled = row.enabled;
    const fw::TextSettings arialBold;
    switch (row.kind) {
    case Kind::Rectangle:
        return fw::RectangleRecord(p);
    case Kind::Canvas:
        return fw::CanvasRecord(p);
    case Kind::Separator:
        return fw::SeparatorRecord(p);
    case Kind::PushButton:
        return fw::PushButtonRecord(p, row.text, arialBold);
    case Kind::Label:
        return fw::LabelRecord(p, row.text, row.align, arialBold);
    case Kind::Timer:
        return fw::TimerRecord(0, 1000);
    }
    return {};
}

} // namespace Window1Layout
