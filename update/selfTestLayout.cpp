// The version window's design table.
#include "update/selfTest.h"

namespace Quorvex {

namespace {
const fw::ControlClass* const Button = &fw::classes::PushButton;
const fw::ControlClass* const Text = &fw::classes::Label;
constexpr fw::TextType Arial12 = {"Arial", 12, true};
// Its default size: the long version has to fit the label's 69 pixels.
constexpr fw::TextType SystemBold = {"System", 11, true};
constexpr int L = 0, R = 2, NoAlign = 0;
constexpr qint32 None = fw::NoIndex;
using fw::Action, fw::Open;
} // namespace

const fw::WindowSettings selfTest::Settings = {
    .width = 231, .height = 99, .title = "Self Test", .minimizeButton = false};

// clang-format off
const std::array<fw::ControlRow, 3> selfTest::Controls = {{
//   name           index class   inside left top width height text                 type        align    enabled tab events
    {"StaticText1", None, Text,   "",    51,  19, 56,   20,    "Version:",          Arial12,    L,       true,   0},
    {"StaticText2", None, Text,   "",    110, 19, 69,   20,    "1.2.0 Intel",       SystemBold, R,       true,   1, {Open<&selfTest::StaticText2_Open>}},
    {"PushButton1", None, Button, "",    45,  51, 140,  21,    "Check for Updates", Arial12,    NoAlign, true,   2, {Action<&selfTest::PushButton1_Action>}, {.isDefault = true}},
}};
// clang-format on

} // namespace Quorvex
