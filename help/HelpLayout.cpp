// The help window's design: its settings and its one text area.
#include "app/MenuBars.h"
#include "framework/Records.h"
#include "help/Help.h"

namespace Quorvex {

namespace {
using namespace fw::table;
const fw::WindowSettings Settings = {
    .width = 400, .height = 364, .title = "Help", .minimizeButton = false};

// A margin of 20 on every side of the window; the desktop's own font at its own size.
// clang-format off
const std::array<fw::ControlRow, 1> Controls = {{
//   name         index class inside left top width height text            type                  align enabled tab events settings
    {"TextArea1", None, Area, "",    20,  20, 360,  324,   Help::HelpText, {"System", 0, false}, L,    true,   0,  {},    {.lineSpacing = 1.0}},
}};
// clang-format on

} // namespace

void Help::Layout() {
    SetMenuBar(::MenuBar2());
    fw::SetProperties(*this, fw::WindowRecord(Settings));
}

void Help::CreateControls() { CreateControls0(); }

void Help::CreateControls0() { fw::CreateControlsFrom(*this, Controls); }

} // namespace Quorvex
