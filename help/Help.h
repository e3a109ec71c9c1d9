// The help window: one text area that explains both exercises, under its own
// menu bar (File and Edit only), from which the help text can be printed.
#pragma once

#include "framework/MenuItem.h"
#include "framework/TextArea.h"
#include "framework/Window.h"

class Help : public fw::Window {
    Q_OBJECT
public:
    static constexpr const char* RegisteredName = "Help.Help";
    QString ClassName() const override { return RegisteredName; }

    fw::TextArea* TextArea1() const { return ControlAs<fw::TextArea>("TextArea1"); }

    // Menu items of the window's bar, by their names.
    fw::MenuItem* EditMenu() const { return MenuItemNamed("EditMenu"); }
    fw::MenuItem* EditSelectAll() const { return MenuItemNamed("EditSelectAll"); }
    fw::MenuItem* EditSeparator2() const { return MenuItemNamed("EditSeparator2"); }
    fw::MenuItem* EditClear() const { return MenuItemNamed("EditClear"); }
    fw::MenuItem* EditPaste() const { return MenuItemNamed("EditPaste"); }
    fw::MenuItem* EditCopy() const { return MenuItemNamed("EditCopy"); }
    fw::MenuItem* EditCut() const { return MenuItemNamed("EditCut"); }
    fw::MenuItem* EditSeparator1() const { return MenuItemNamed("EditSeparator1"); }
    fw::MenuItem* EditUndo() const { return MenuItemNamed("EditUndo"); }
    fw::MenuItem* FileMenu() const { return MenuItemNamed("FileMenu"); }
    fw::QuitMenuItem* FileQuit() const;
    fw::MenuItem* FilePrintHelp() const { return MenuItemNamed("FilePrintHelp"); }

    // Prints the help text and closes the window; always true.
    bool FilePrintHelp_Action();

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(fw::Window& window) override;

private:
    void CreateControls0();
    fw::MenuItem* MenuItemNamed(const char* name) const;
};

// The one shared help window: the open one, or a new one when none is open.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow" // the accessor is named like its class
Help* Help();
#pragma GCC diagnostic pop
