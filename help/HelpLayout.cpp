// The help window's design table.
#include "help/Help.h"

namespace Quorvex {

const fw::WindowSettings Help::Settings = {
    .width = 400, .height = 364, .title = "Help", .minimizeButton = false};

// A margin of 20 on every side of the window; the desktop's own font at its own size.
// clang-format off
const std::array<fw::ControlRow, 1> Help::Controls = {{
//   name         index        class                   inside left top width height text      type                  align enabled tab events settings
    {"TextArea1", fw::NoIndex, &fw::classes::TextArea, "",    20,  20, 360,  324,   HelpText, {"System", 0, false}, 0,    true,   0,  {},    {.lineSpacing = 1.0}},
}};
// clang-format on

} // namespace Quorvex
