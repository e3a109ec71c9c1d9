// The printer dialog, which starts a print job. Pages are US Letter with
// half-inch margins, drawn in points (72 an inch) from the top left of the
// printable area, which is 540 wide and 720 high.
#pragma once

#include "framework/Graphics.h"

#include <memory>
#include <stdexcept>

namespace fw {

// The user chose a printer, but the job could not begin there (the printer or
// its output file refused it): unlike a cancel, something to tell the user.
class PrintJobError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Shows the printer dialog and returns the context of the first page of a new
// print job, or null when the user cancels; throws PrintJobError when the job
// cannot begin. The job is complete once the context is released.
std::unique_ptr<Graphics> OpenPrinterDialog();

} // namespace fw
