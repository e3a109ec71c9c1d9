// Building the main window, its window events and its small handlers.
#include "game/Window1.h"

#include "app/MenuBars.h"
#include "framework/Application.h"
#include "framework/Services.h"
#include "game/Window1Layout.h"
#include "help/PrintHelp.h"

#include <map>

const char* const Window1::OrderPageURL =
    "https://order.payments.example/buy?product=QRVX-120&lang=en";

class Window1* Window1() {
    return fw::SharedInstance<class Window1>();
}

void Window1::Layout() {
    SetMenuBar(MenuBar1());
    fw::SetProperties(*this, Window1Layout::WindowRecord());
}

void Window1::CreateControls() {
    CreateControls0();
    CreateControls1();
}

void Window1::CreateControls0() { CreateControlRows(0, 29); }
void Window1::CreateControls1() { CreateControlRows(30, 57); }

namespace {

std::unique_ptr<fw::Control> makeControl(Window1Layout::Kind kind, fw::Window& owner) {
    using Kind = Window1Layout::Kind;
    switch (kind) {
    case Kind::Rectangle:
        return std::make_unique<fw::Rectangle>(owner);
    case Kind::Canvas:
        return std::make_unique<fw::Canvas>(owner);
    case Kind::Separator:
        return std::make_unique<fw::Separator>(owner);
    case Kind::PushButton:
        return std::make_unique<fw::PushButton>(owner);
    case Kind::Label:
        return std::make_unique<fw::Label>(owner);
    case Kind::Timer:
        return std::make_unique<fw::Timer>(owner);
    }
    return nullptr;
}

} // namespace

void Window1::CreateControlRows(int first, int last) {
    for (int r = first; r <= last; ++r) {
        const Window1Layout::Row& row = Window1Layout::Controls.at(std::size_t(r));
        auto made = makeControl(row.kind, *this);
        made->Index = row.index < 0 ? fw::NoIndex : row.index;
        AddControl(row.name, std::move(made));
        fw::Control* control =
            row.index < 0 ? ControlByName(row.name) : ControlByNameIndex(row.name, row.index);
        if (auto* button = dynamic_cast<fw::PushButton*>(control)) {
            button->SetTextSize(row.size);
            button->SetTextUnit(0);
        } else if (auto* label = dynamic_cast<fw::Label*>(control)) {
            label->SetTextSize(row.size);
            label->SetTextUnit(0);
        }
        fw::SetProperties(*control, Window1Layout::RecordOf(row));
        WireEvents(row.name, row.index);
    }
}

void Window1::WireEvents(const QString& name, int index) {
    using PaintHandler = void (Window1::*)(fw::Canvas&, fw::Graphics&, const Areas&);
    static const PaintHandler wordPaint[9] = {
        &Window1::Canvas1_Paint, &Window1::Canvas2_Paint, &Window1::Canvas3_Paint,
        &Window1::Canvas4_Paint, &Window1::Canvas5_Paint, &Window1::Canvas6_Paint,
        &Window1::Canvas7_Paint, &Window1::Canvas8_Paint, &Window1::Canvas9_Paint};
    static const PaintHandler memoryPaint[9] = {
        &Window1::Canvas11_Paint, &Window1::Canvas12_Paint, &Window1::Canvas13_Paint,
        &Window1::Canvas14_Paint, &Window1::Canvas15_Paint, &Window1::Canvas16_Paint,
        &Window1::Canvas17_Paint, &Window1::Canvas18_Paint, &Window1::Canvas19_Paint};
    using ButtonHandler = void (Window1::*)(fw::PushButton&);
    static const std::map<QString, ButtonHandler> buttons = {
        {"Start1", &Window1::Start1_Action},
        {"Start1a", &Window1::Start1a_Action},
        {"Start2", &Window1::Start2_Action},
        {"ShowAnswer", &Window1::ShowAnswer_Action},
        {"SupportButton", &Window1::SupportButton_Action}};

    if (index >= 0) return; // the frames take no events
    if (name.startsWith("Canvas")) {
        const int number = name.mid(6).toInt();
        fw::Canvas* canvas = ControlAs<fw::Canvas>(name);
        const PaintHandler handler = number < 10 ? wordPaint[number - 1] : memoryPaint[number - 11];
        canvas->Paint = [this, canvas, handler](fw::Graphics& g, const Areas& areas) {
            (this->*handler)(*canvas, g, areas);
        };
    } else if (name == "Cover") {
        fw::Canvas* cover = ControlAs<fw::Canvas>(name);
        cover->MouseDown = [this, cover](int x, int y) { return Cover_MouseDown(*cover, x, y); };
    } else if (name == "Timer1") {
        fw::Timer* timer = ControlAs<fw::Timer>(name);
        timer->Action = [this, timer] { Timer1_Action(*timer); };
    } else if (auto found = buttons.find(name); found != buttons.end()) {
        fw::PushButton* button = ControlAs<fw::PushButton>(name);
        const ButtonHandler handler = found->second;
        button->Action = [this, button, handler] { (this->*handler)(*button); };
    }
}

void Window1::AddMenuHandlers(fw::Window& window) {
    auto& mainWindow = dynamic_cast<class Window1&>(window);
    AddMenuHandler("FilePrintHelp", [&mainWindow] { return mainWindow.FilePrintHelp_Action(); });
}

bool Window1::FilePrintHelp_Action() { return PrintHelp(); }

// The grid shows a normal deal from the moment the window opens.
void Window1::Event_Open() { MakeColors(); }

// Closing the main window ends the program.
void Window1::Event_Close() { fw::Application::Quit(0); }

void Window1::SupportButton_Action(fw::PushButton&) { fw::ShowURL(OrderPageURL); }
