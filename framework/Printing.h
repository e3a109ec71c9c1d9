// The printer dialog, which starts a print job. Pages are US Letter with
// half-inch margins, drawn in points (72 an inch) from the top left of the
// printable area, which is 540 wide and 720 high.
#pragma once

#include "framework/Graphics.h"

#include <memory>

namespace fw {

// Shows the printer dialog and returns the context of the first page of a new
// print job, or null when the user cancels. The job is complete once the
// context is released.
std::unique_ptr<Graphics> OpenPrinterDialog();

} // namespace fw
