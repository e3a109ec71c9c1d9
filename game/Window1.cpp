// Building the main window, its window events and its small handlers.
#include "game/Window1.h"

#include "framework/Application.h"
#include "framework/Services.h"
#include "help/PrintHelp.h"

Quorvex::Window1* Window1() { return fw::SharedInstance<Quorvex::Window1>(); }

namespace Quorvex {

const char* const Window1::OrderPageURL =
    "https://order.payments.example/buy?product=QRVX-120&lang=en";

void Window1::AddMenuHandlers(fw::Window& window) {
    auto& mainWindow = dynamic_cast<Window1&>(window);
    AddMenuHandler("FilePrintHelp", [&mainWindow] { return mainWindow.FilePrintHelp_Action(); });
}

bool Window1::FilePrintHelp_Action() { return PrintHelp(); }

// The grid shows a normal deal from the moment the window opens.
void Window1::Event_Open() { MakeColors(); }

// Closing the main window ends the program.
void Window1::Event_Close() { fw::Application::Quit(0); }

void Window1::SupportButton_Action(fw::PushButton&) { fw::ShowURL(OrderPageURL); }

} // namespace Quorvex
