// The update window's design table.
#include "update/updateWindow.h"

namespace Quorvex {

namespace {
const fw::ControlClass* const Button = &fw::classes::PushButton;
const fw::ControlClass* const Text = &fw::classes::Label;
const fw::ControlClass* const Bar = &fw::classes::ProgressBar;
const fw::ControlClass* const Socket = &fw::classes::HTTPSocket;
constexpr fw::TextType Arial12 = {"Arial", 12, false}, System = {"System", 0, false}, NoText = {};
constexpr int L = 0, NoAlign = 0;
constexpr qint32 None = fw::NoIndex;
using fw::Action, fw::Error, fw::PageReceived;
} // namespace

// A movable modal window.
const fw::WindowSettings updateWindow::Settings = {
    .width = 300, .height = 120, .title = "Update", .frame = 1};

// clang-format off
const std::array<fw::ControlRow, 4> updateWindow::Controls = {{
//   name            index class   inside left top width height text                       type     align    enabled tab events
    {"StaticText1",  None, Text,   "",    20,  19, 266,  20,    "Checking for updates...", Arial12, L,       true,   0},
    {"ProgressBar1", None, Bar,    "",    20,  46, 260,  12,    "",                        NoText,  NoAlign, true,   1, {}, {.maximum = 100, .value = 0}},
    {"hp",           None, Socket, "",    0,   0,  0,    0,     "",                        NoText,  NoAlign, true,   0, {PageReceived<&updateWindow::hp_PageReceived>, Error<&updateWindow::hp_Error>}},
    {"PushButton1",  None, Button, "",    208, 80, 72,   20,    "Cancel",                  System,  NoAlign, true,   3, {Action<&updateWindow::PushButton1_Action>}, {.isDefault = true, .isCancel = true}},
}};
// clang-format on

} // namespace Quorvex
