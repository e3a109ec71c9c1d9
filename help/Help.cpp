// Building the help window and its menu handler.
#include "help/Help.h"

#include "help/PrintHelp.h"

Quorvex::Help* Help() { return fw::SharedInstance<Quorvex::Help>(); }

namespace Quorvex {

void Help::AddMenuHandlers(fw::Window& window) {
    auto& help = dynamic_cast<Help&>(window);
    AddMenuHandler("FilePrintHelp", [&help] { return help.FilePrintHelp_Action(); });
}

bool Help::FilePrintHelp_Action() { return PrintHelp(); }

} // namespace Quorvex
