// The About box's design: its settings and its table of controls.
#include "framework/Records.h"
#include "help/AboutBox.h"

namespace Quorvex {

namespace {
using namespace fw::table;
const fw::WindowSettings Settings = {
    .width = 264, .height = 258, .title = "About...", .minimizeButton = false};
constexpr fw::TextType SystemBold = {"System", 0, true}, System = {"System", 0, false};
constexpr fw::TextType Arial30 = {"Arial", 30, true}, Arial12 = {"Arial", 12, true};
constexpr const char* Credits = "Developed by\rTobias Renwick\r\rSr. Beta Tester\rIlse Varga";

// clang-format off
const std::array<fw::ControlRow, 6> Controls = {{
//   name           index class   inside left top  width height text             type        align    enabled tab events
    {"PushButton1", None, Button, "",    72,  180, 120,  21,    "Email Author",   SystemBold, NoAlign, true,   0,  {Action<&AboutBox::PushButton1_Action>}},
    {"PushButton2", None, Button, "",    72,  217, 120,  21,    "Visit Web Site", SystemBold, NoAlign, true,   1,  {Action<&AboutBox::PushButton2_Action>}},
    {"StaticText2", None, Text,   "",    80,  86,  104,  87,    Credits,          System,     C,       true,   2,  {}, {.multiline = true}},
    {"StaticText1", None, Text,   "",    20,  20,  224,  45,    "Quorvex",        Arial30,    C,       true,   3},
    {"StaticText3", None, Text,   "",    75,  60,  56,   20,    "Version:",       Arial12,    L,       true,   4},
    {"StaticText4", None, Text,   "",    127, 60,  62,   20,    "1.2.0 Intel",    Arial12,    R,       true,   5,  {Open<&AboutBox::StaticText4_Open>}},
}};
// clang-format on

} // namespace

void AboutBox::Layout() { fw::SetProperties(*this, fw::WindowRecord(Settings)); }

void AboutBox::CreateControls() { CreateControls0(); }

void AboutBox::CreateControls0() { fw::CreateControlsFrom(*this, Controls); }

} // namespace Quorvex
