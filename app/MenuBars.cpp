// The two menu bars, built from their tables.
#include "app/MenuBars.h"

#include <initializer_list>

namespace {

std::unique_ptr<Quorvex::MenuBar1> sharedMenuBar1;
std::unique_ptr<Quorvex::MenuBar2> sharedMenuBar2;

enum class Kind { Plain, Quit, About };

struct ItemRow {
    const char* name;
    Kind kind;
    const char* text;
    const char* shortcut; // null: never assigned (separators)
};

std::unique_ptr<fw::MenuItem> makeItem(Kind kind) {
    switch (kind) {
    case Kind::Quit:
        return std::make_unique<fw::QuitMenuItem>();
    case Kind::About:
        return std::make_unique<fw::AppleMenuItem>();
    case Kind::Plain:
        break;
    }
    return std::make_unique<fw::MenuItem>();
}

void addMenu(fw::MenuBar& bar, const char* name, const char* text,
             std::initializer_list<ItemRow> items) {
    auto menu = std::make_unique<fw::MenuItem>();
    menu->Name = name;
    menu->AutoEnable = true;
    menu->Text = text;
    menu->KeyboardShortcut = QString();
    bar.Append(std::move(menu));
    for (const ItemRow& row : items) {
        auto item = makeItem(row.kind);
        item->Name = row.name;
        item->AutoEnable = true;
        item->Text = row.text;
        if (row.shortcut) item->KeyboardShortcut = row.shortcut;
        bar.Child(name)->Append(std::move(item));
    }
}

void addFileMenu(fw::MenuBar& bar) {
    addMenu(bar, "FileMenu", "&File",
            {{"FilePrintHelp", Kind::Plain, "Print Help", "Cmd+Shift+P"},
             {"FileQuit", Kind::Quit, "Quit", "Cmd+Q"}});
}

void addEditMenu(fw::MenuBar& bar, const char* firstSeparator, const char* secondSeparator) {
    addMenu(bar, "EditMenu", "&Edit",
            {{"EditUndo", Kind::Plain, "&Undo", "Cmd+Z"},
             {firstSeparator, Kind::Plain, "-", nullptr},
             {"EditCut", Kind::Plain, "Cu&t", "Cmd+X"},
             {"EditCopy", Kind::Plain, "&Copy", "Cmd+C"},
             {"EditPaste", Kind::Plain, "&Paste", "Cmd+V"},
             {"EditClear", Kind::Plain, "&Delete", ""},
             {secondSeparator, Kind::Plain, "-", nullptr},
             {"EditSelectAll", Kind::Plain, "Select &All", "Cmd+A"}});
}

} // namespace

namespace Quorvex {

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
}

void MenuBar1::Untitled0() { addFileMenu(*this); }
void MenuBar1::Untitled1() { addEditMenu(*this, "UntitledMenu1", "UntitledMenu0"); }

void MenuBar1::Untitled2() {
    addMenu(*this, "CheckForUpdateMenu", "Check For Update",
            {{"CheckForUpdateCheckNow", Kind::Plain, "Check Now", ""}});
}

void MenuBar1::Untitled3() {
    addMenu(
        *this, "HelpMenu", "Quorvex Help",
        {{"HelpShow", Kind::Plain, "Show Help", ""}, {"HelpAbout", Kind::About, "About...", ""}});
}

MenuBar2::MenuBar2() {
    Untitled0();
    Untitled1();
}

void MenuBar2::Untitled0() { addFileMenu(*this); }
void MenuBar2::Untitled1() { addEditMenu(*this, "EditSeparator1", "EditSeparator2"); }

} // namespace Quorvex

Quorvex::MenuBar1* MenuBar1() {
    if (!sharedMenuBar1) sharedMenuBar1 = std::make_unique<Quorvex::MenuBar1>();
    return sharedMenuBar1.get();
}

Quorvex::MenuBar2* MenuBar2() {
    if (!sharedMenuBar2) sharedMenuBar2 = std::make_unique<Quorvex::MenuBar2>();
    return sharedMenuBar2.get();
}

void ReleaseMenuBars() {
    sharedMenuBar1.reset();
    sharedMenuBar2.reset();
}
