// The main window: the colour-word reading test on the left, the memory test
// on the right, "Support Vesk" between them at the foot. It holds no state of
// its own: the tests keep theirs in Module1 and in its labels and buttons.
#pragma once

#include "framework/Canvas.h"
#include "framework/Label.h"
#include "framework/MenuItem.h"
#include "framework/PushButton.h"
#include "framework/Rectangle.h"
#include "framework/Separator.h"
#include "framework/Timer.h"
#include "framework/Window.h"

namespace fw {
class Graphics;
}

class Window1 : public fw::Window {
    Q_OBJECT
public:
    static constexpr const char* RegisteredName = "Window1.Window1";
    QString ClassName() const override { return RegisteredName; }

    // Controls, by their names.
    fw::Rectangle* Rectangle1(int index) const {
        return ControlAs<fw::Rectangle>("Rectangle1", index);
    }
    fw::Rectangle* Rectangle2(int index) const {
        return ControlAs<fw::Rectangle>("Rectangle2", index);
    }
    fw::Canvas* Cover() const { return ControlAs<fw::Canvas>("Cover"); }
    // Word cell i (0 to 8) is Canvas1 to Canvas9, memory cell i is Canvas11 to Canvas19.
    fw::Canvas* WordCell(int i) const {
        return ControlAs<fw::Canvas>(QString("Canvas%1").arg(i + 1));
    }
    fw::Canvas* MemoryCell(int i) const {
        return ControlAs<fw::Canvas>(QString("Canvas%1").arg(i + 11));
    }
    fw::Separator* Separator1() const { return ControlAs<fw::Separator>("Separator1"); }
    fw::PushButton* Start1() const { return ControlAs<fw::PushButton>("Start1"); }
    fw::PushButton* Start2() const { return ControlAs<fw::PushButton>("Start2"); }
    fw::PushButton* Start1a() const { return ControlAs<fw::PushButton>("Start1a"); }
    fw::PushButton* ShowAnswer() const { return ControlAs<fw::PushButton>("ShowAnswer"); }
    fw::PushButton* SupportButton() const { return ControlAs<fw::PushButton>("SupportButton"); }
    fw::Timer* Timer1() const { return ControlAs<fw::Timer>("Timer1"); }
    fw::Label* StaticText1() const { return ControlAs<fw::Label>("StaticText1"); }
    fw::Label* MySeconds() const { return ControlAs<fw::Label>("MySeconds"); }
    fw::Label* StaticText3() const { return ControlAs<fw::Label>("StaticText3"); }
    fw::Label* MyScore() const { return ControlAs<fw::Label>("MyScore"); }
    fw::Label* StaticText6() const { return ControlAs<fw::Label>("StaticText6"); }
    fw::Label* StaticText7() const { return ControlAs<fw::Label>("StaticText7"); }
    fw::Label* StaticText8() const { return ControlAs<fw::Label>("StaticText8"); }
    fw::Label* StaticText9() const { return ControlAs<fw::Label>("StaticText9"); }
    fw::Label* BestScore() const { return ControlAs<fw::Label>("BestScore"); }
    fw::Label* StaticText10() const { return ControlAs<fw::Label>("StaticText10"); }
    fw::Label* ScrambledTime() const { return ControlAs<fw::Label>("ScrambledTime"); }
    fw::Label* NormalTime() const { return ControlAs<fw::Label>("NormalTime"); }
    fw::Label* Status1() const { return ControlAs<fw::Label>("Status1"); }
    fw::Label* Status2() const { return ControlAs<fw::Label>("Status2"); }

    // Menu items of the window's bar, by their names.
    fw::MenuItem* HelpMenu() const { return MenuItemNamed("HelpMenu"); }
    fw::AppleMenuItem* HelpAbout() const;
    fw::MenuItem* HelpShow() const { return MenuItemNamed("HelpShow"); }
    fw::MenuItem* CheckForUpdateMenu() const { return MenuItemNamed("CheckForUpdateMenu"); }
    fw::MenuItem* CheckForUpdateCheckNow() const { return MenuItemNamed("CheckForUpdateCheckNow"); }
    fw::MenuItem* EditMenu() const { return MenuItemNamed("EditMenu"); }
    fw::MenuItem* EditSelectAll() const { return MenuItemNamed("EditSelectAll"); }
    fw::MenuItem* UntitledMenu0() const { return MenuItemNamed("UntitledMenu0"); }
    fw::MenuItem* EditClear() const { return MenuItemNamed("EditClear"); }
    fw::MenuItem* EditPaste() const { return MenuItemNamed("EditPaste"); }
    fw::MenuItem* EditCopy() const { return MenuItemNamed("EditCopy"); }
    fw::MenuItem* EditCut() const { return MenuItemNamed("EditCut"); }
    fw::MenuItem* UntitledMenu1() const { return MenuItemNamed("UntitledMenu1"); }
    fw::MenuItem* EditUndo() const { return MenuItemNamed("EditUndo"); }
    fw::MenuItem* FileMenu() const { return MenuItemNamed("FileMenu"); }
    fw::QuitMenuItem* FileQuit() const;
    fw::MenuItem* FilePrintHelp() const { return MenuItemNamed("FilePrintHelp"); }

    // The colour-word reading test.
    void MakeColors();
    void MakeColorsScrambled();
    void Start1_Action(fw::PushButton& button);
    void Start1a_Action(fw::PushButton& button);
    void Canvas1_Paint(fw::Graphics& g);
    void Canvas2_Paint(fw::Graphics& g);
    void Canvas3_Paint(fw::Graphics& g);
    void Canvas4_Paint(fw::Graphics& g);
    void Canvas5_Paint(fw::Graphics& g);
    void Canvas6_Paint(fw::Graphics& g);
    void Canvas7_Paint(fw::Graphics& g);
    void Canvas8_Paint(fw::Graphics& g);
    void Canvas9_Paint(fw::Graphics& g);

    // The memory test.
    void Start2_Action(fw::PushButton& button);
    void SetUpNumbers();
    void Timer1_Action(fw::Timer& timer);
    bool Cover_MouseDown(fw::Canvas& canvas, int x, int y);
    void UpDateAnswers();
    void ShowAnswer_Action(fw::PushButton& button);
    void Canvas11_Paint(fw::Graphics& g);
    void Canvas12_Paint(fw::Graphics& g);
    void Canvas13_Paint(fw::Graphics& g);
    void Canvas14_Paint(fw::Graphics& g);
    void Canvas15_Paint(fw::Graphics& g);
    void Canvas16_Paint(fw::Graphics& g);
    void Canvas17_Paint(fw::Graphics& g);
    void Canvas18_Paint(fw::Graphics& g);
    void Canvas19_Paint(fw::Graphics& g);

    void SupportButton_Action(fw::PushButton& button);
    // Prints the help text (and closes the help window); always true.
    bool FilePrintHelp_Action();

    // The address that "Support Vesk" opens.
    static const char* const OrderPageURL;

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(fw::Window& window) override;
    void Event_Open() override;
    void Event_Close() override;

private:
    void CreateControls0();
    void CreateControls1();
    void CreateControlRows(int first, int last);
    void WireEvents(const QString& name, int index);
    fw::MenuItem* MenuItemNamed(const char* name) const;
    void PaintWordCell(fw::Graphics& g, int cell);
    void PaintMemoryCell(fw::Graphics& g, int cell);
};

// The one shared main window: the open one, or a new one when none is open.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow" // the accessor is named like its class
Window1* Window1();
#pragma GCC diagnostic pop
