// The version window's design: its settings and its table of controls.
#include "framework/Records.h"
#include "update/selfTest.h"

namespace Quorvex {

namespace {
using namespace fw::table;
const fw::WindowSettings Settings = {
    .width = 231, .height = 99, .title = "Self Test", .minimizeButton = false};
constexpr fw::TextType Arial12 = {"Arial", 12, true};
// Its default size: the long version has to fit the label's 69 pixels.
constexpr fw::TextType SystemBold = {"System", 11, true};

// clang-format off
const std::array<fw::ControlRow, 3> Controls = {{
//   name           index class   inside left top width height text                 type        align    enabled tab events
    {"StaticText1", None, Text,   "",    51,  19, 56,   20,    "Version:",          Arial12,    L,       true,   0},
    {"StaticText2", None, Text,   "",    110, 19, 69,   20,    "1.2.0 Intel",       SystemBold, R,       true,   1, {Open<&selfTest::StaticText2_Open>}},
    {"PushButton1", None, Button, "",    45,  51, 140,  21,    "Check for Updates", Arial12,    NoAlign, true,   2, {Action<&selfTest::PushButton1_Action>}, {.isDefault = true}},
}};
// clang-format on

} // namespace

void selfTest::Layout() { fw::SetProperties(*this, fw::WindowRecord(Settings)); }

void selfTest::CreateControls() { CreateControls0(); }

void selfTest::CreateControls0() { fw::CreateControlsFrom(*this, Controls); }

} // namespace Quorvex
