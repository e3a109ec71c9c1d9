// The help window: one text area that explains both exercises, under its own
// menu bar (File and Edit only), from which the help text can be printed.
#pragma once

#include "framework/DesignTable.h"
#include "framework/TextArea.h"

namespace Quorvex {

class Help : public fw::Window {
public:
    static constexpr const char* RegisteredName = "Help.Help";

    fw::TextArea* TextArea1() const { return ControlAs<fw::TextArea>("TextArea1"); }

    // Menu items of the window's bar, by their names.
    fw::MenuItem* EditMenu() const { return MenuItemAs("EditMenu"); }
    fw::MenuItem* EditSelectAll() const { return MenuItemAs("EditSelectAll"); }
    fw::MenuItem* EditSeparator2() const { return MenuItemAs("EditSeparator2"); }
    fw::MenuItem* EditClear() const { return MenuItemAs("EditClear"); }
    fw::MenuItem* EditPaste() const { return MenuItemAs("EditPaste"); }
    fw::MenuItem* EditCopy() const { return MenuItemAs("EditCopy"); }
    fw::MenuItem* EditCut() const { return MenuItemAs("EditCut"); }
    fw::MenuItem* EditSeparator1() const { return MenuItemAs("EditSeparator1"); }
    fw::MenuItem* EditUndo() const { return MenuItemAs("EditUndo"); }
    fw::MenuItem* FileMenu() const { return MenuItemAs("FileMenu"); }
    fw::QuitMenuItem* FileQuit() const { return MenuItemAs<fw::QuitMenuItem>("FileQuit"); }
    fw::MenuItem* FilePrintHelp() const { return MenuItemAs("FilePrintHelp"); }

    // Prints the help text and closes the window; always true.
    bool FilePrintHelp_Action();

    // What the text area shows whenever the window is built.
    static const char* const HelpText;

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(fw::Window& window) override;

private:
    void CreateControls0();
};

} // namespace Quorvex

// The one shared help window: the open one, or a new one when none is open.
Quorvex::Help* Help();
