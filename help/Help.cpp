// Building the help window and its menu handler.
#include "help/Help.h"

#include "app/MenuBars.h"
#include "help/HelpLayout.h"
#include "help/PrintHelp.h"

class Help* Help() {
    return fw::SharedInstance<class Help>();
}

void Help::Layout() {
    SetMenuBar(MenuBar2());
    fw::SetProperties(*this, HelpLayout::WindowRecord());
}

void Help::CreateControls() { CreateControls0(); }

void Help::CreateControls0() {
    AddControl("TextArea1", std::make_unique<fw::TextArea>(*this));
    TextArea1()->SetTextUnit(0);
    TextArea1()->SetLineSpacing(1.0);
    fw::SetProperties(*TextArea1(), HelpLayout::TextArea1Record());
}

void Help::AddMenuHandlers(fw::Window& window) {
    auto& help = dynamic_cast<class Help&>(window);
    AddMenuHandler("FilePrintHelp", [&help] { return help.FilePrintHelp_Action(); });
}

bool Help::FilePrintHelp_Action() { return PrintHelp(); }
