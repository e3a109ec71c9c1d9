// The update window's design: its settings and its table of controls.
#include "framework/Records.h"
#include "update/updateWindow.h"

namespace Quorvex {

namespace {
using namespace fw::table;
// A movable modal window.
const fw::WindowSettings Settings = {.width = 300, .height = 120, .title = "Update", .frame = 1};
constexpr fw::TextType Arial12 = {"Arial", 12, false}, System = {"System", 0, false};

// clang-format off
const std::array<fw::ControlRow, 4> Controls = {{
//   name            index class   inside left top width height text                       type     align    enabled tab events
    {"StaticText1",  None, Text,   "",    20,  19, 266,  20,    "Checking for updates...", Arial12, L,       true,   0},
    {"ProgressBar1", None, Bar,    "",    20,  46, 260,  12,    "",                        NoText,  NoAlign, true,   1, {}, {.maximum = 100, .value = 0}},
    {"hp",           None, Socket, "",    0,   0,  0,    0,     "",                        NoText,  NoAlign, true,   0, {PageReceived<&updateWindow::hp_PageReceived>, Error<&updateWindow::hp_Error>}},
    {"PushButton1",  None, Button, "",    208, 80, 72,   20,    "Cancel",                  System,  NoAlign, true,   3, {Action<&updateWindow::PushButton1_Action>}, {.isDefault = true, .isCancel = true}},
}};
// clang-format on

} // namespace

void updateWindow::Layout() { fw::SetProperties(*this, fw::WindowRecord(Settings)); }

void updateWindow::CreateControls() { CreateControls0(); }

void updateWindow::CreateControls0() { fw::CreateControlsFrom(*this, Controls); }

} // namespace Quorvex
