// The About box's design table.
#include "help/AboutBoxLayout.h"

#include "framework/Records.h"

namespace AboutBoxLayout {

namespace {
constexpr Kind Button = Kind::PushButton, Text = Kind::Label;
constexpr int L = 0, C = 1, R = 2;
constexpr const char* Credits = "Developed by\rTobias Renwick\r\rSr. Beta Tester\rIlse Varga";
} // namespace

// clang-format off
const std::array<Row, 6> Controls = {{
//   name           kind    left top  width height text               font      size bold   align multi  tab
    {"PushButton1", Button, 72,  180, 120,  21,    "Email Author",    "System", 0,   true,  L,    false, 0},
    {"PushButton2", Button, 72,  217, 120,  21,    "Visit Web Site",  "System", 0,   true,  L,    false, 1},
    {"StaticText2", Text,   80,  86,  104,  87,    Credits,           "System", 0,   false, C,    true,  2},
    {"StaticText1", Text,   20,  20,  224,  45,    "Quorvex",         "Arial",  30,  true,  C,    false, 3},
    {"StaticText3", Text,   75,  60,  56,   20,    "Version:",        "Arial",  12,  true,  L,    false, 4},
    {"StaticText4", Text,   127, 60,  62,   20,    "1.2.0 Intel",     "Arial",  12,  true,  R,    false, 5},
}};
// clang-format on

QByteArray WindowRecord() {
    fw::WindowSettings s;
    s.width = 264;
    s.height = 258;
    s.title = QStringLiteral("About...");
    s.resizeable = false;
    s.maximizeButton = false;
    s.minimizeButton = false;
    return fw::WindowRecord(s);
}

QByteArray RecordOf(const Row& row) {
    fw::Placement p;
    p.name = row.name;
    p.left = row.left;
    p.top = row.top;
    p.width = row.width;
    p.height = row.height;
    p.tabIndex = row.tab;
    fw::TextSettings style;
    style.font = row.font;
    style.bold = row.bold;
    if (row.kind == Kind::PushButton) return fw::PushButtonRecord(p, row.text, style);
    return fw::LabelRecord(p, row.text, row.align, style, row.multiline);
}

} // namespace AboutBoxLayout
