// The main window: the colour-word reading test on the left, the memory test
// on the right, "Support Vesk" between them at the foot. It holds no state of
// its own: the tests keep theirs in Module1 and in its labels and buttons.
#pragma once

#include "framework/DesignTable.h"
#include "framework/Rectangle.h"
#include "framework/Separator.h"

namespace fw {
class Graphics;
}

// The program's window classes live in this namespace, so that each class's
// shared-instance accessor, outside it, can have the class's own name.
namespace Quorvex {

class Window1 : public fw::Window {
public:
    static constexpr const char* RegisteredName = "Window1.Window1";

    // Controls, by their names.
    fw::Rectangle* Rectangle1(int index) const {
        return ControlAs<fw::Rectangle>("Rectangle1", index);
    }
    fw::Rectangle* Rectangle2(int index) const {
        return ControlAs<fw::Rectangle>("Rectangle2", index);
    }
    fw::Canvas* Cover() const { return ControlAs<fw::Canvas>("Cover"); }
    fw::Canvas* Canvas1() const { return ControlAs<fw::Canvas>("Canvas1"); }
    fw::Canvas* Canvas2() const { return ControlAs<fw::Canvas>("Canvas2"); }
    fw::Canvas* Canvas3() const { return ControlAs<fw::Canvas>("Canvas3"); }
    fw::Canvas* Canvas4() const { return ControlAs<fw::Canvas>("Canvas4"); }
    fw::Canvas* Canvas5() const { return ControlAs<fw::Canvas>("Canvas5"); }
    fw::Canvas* Canvas6() const { return ControlAs<fw::Canvas>("Canvas6"); }
    fw::Canvas* Canvas7() const { return ControlAs<fw::Canvas>("Canvas7"); }
    fw::Canvas* Canvas8() const { return ControlAs<fw::Canvas>("Canvas8"); }
    fw::Canvas* Canvas9() const { return ControlAs<fw::Canvas>("Canvas9"); }
    fw::Canvas* Canvas11() const { return ControlAs<fw::Canvas>("Canvas11"); }
    fw::Canvas* Canvas12() const { return ControlAs<fw::Canvas>("Canvas12"); }
    fw::Canvas* Canvas13() const { return ControlAs<fw::Canvas>("Canvas13"); }
    fw::Canvas* Canvas14() const { return ControlAs<fw::Canvas>("Canvas14"); }
    fw::Canvas* Canvas15() const { return ControlAs<fw::Canvas>("Canvas15"); }
    fw::Canvas* Canvas16() const { return ControlAs<fw::Canvas>("Canvas16"); }
    fw::Canvas* Canvas17() const { return ControlAs<fw::Canvas>("Canvas17"); }
    fw::Canvas* Canvas18() const { return ControlAs<fw::Canvas>("Canvas18"); }
    fw::Canvas* Canvas19() const { return ControlAs<fw::Canvas>("Canvas19"); }
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
    fw::MenuItem* HelpMenu() const { return MenuItemAs("HelpMenu"); }
    fw::AppleMenuItem* HelpAbout() const { return MenuItemAs<fw::AppleMenuItem>("HelpAbout"); }
    fw::MenuItem* HelpShow() const { return MenuItemAs("HelpShow"); }
    fw::MenuItem* CheckForUpdateMenu() const { return MenuItemAs("CheckForUpdateMenu"); }
    fw::MenuItem* CheckForUpdateCheckNow() const { return MenuItemAs("CheckForUpdateCheckNow"); }
    fw::MenuItem* EditMenu() const { return MenuItemAs("EditMenu"); }
    fw::MenuItem* EditSelectAll() const { return MenuItemAs("EditSelectAll"); }
    fw::MenuItem* UntitledMenu0() const { return MenuItemAs("UntitledMenu0"); }
    fw::MenuItem* EditClear() const { return MenuItemAs("EditClear"); }
    fw::MenuItem* EditPaste() const { return MenuItemAs("EditPaste"); }
    fw::MenuItem* EditCopy() const { return MenuItemAs("EditCopy"); }
    fw::MenuItem* EditCut() const { return MenuItemAs("EditCut"); }
    fw::MenuItem* UntitledMenu1() const { return MenuItemAs("UntitledMenu1"); }
    fw::MenuItem* EditUndo() const { return MenuItemAs("EditUndo"); }
    fw::MenuItem* FileMenu() const { return MenuItemAs("FileMenu"); }
    fw::QuitMenuItem* FileQuit() const { return MenuItemAs<fw::QuitMenuItem>("FileQuit"); }
    fw::MenuItem* FilePrintHelp() const { return MenuItemAs("FilePrintHelp"); }

    // What a canvas's Paint handler is asked to draw again; the cells draw whole.
    using Areas = std::vector<QRect>;

    // The colour-word reading test.
    void MakeColors();
    void MakeColorsScrambled();
    void Start1_Action(fw::PushButton& button);
    void Start1a_Action(fw::PushButton& button);
    void Canvas1_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas2_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas3_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas4_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas5_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas6_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas7_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas8_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas9_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);

    // The memory test.
    void Start2_Action(fw::PushButton& button);
    void SetUpNumbers();
    void Timer1_Action(fw::Timer& timer);
    bool Cover_MouseDown(fw::Canvas& canvas, int x, int y);
    void UpDateAnswers();
    void ShowAnswer_Action(fw::PushButton& button);
    void Canvas11_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas12_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas13_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas14_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas15_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas16_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas17_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas18_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);
    void Canvas19_Paint(fw::Canvas& canvas, fw::Graphics& g, const Areas& areas);

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
    void StartRun(const QString& status, fw::PushButton& otherMode);
    double StopRun(fw::PushButton& otherMode);
    void KeepIfBest(double& best, double run, fw::Label& bestLabel);
    void PaintWordCell(fw::Graphics& g, int cell);
    void PaintMemoryCell(fw::Graphics& g, int cell);
};

} // namespace Quorvex

// The one shared main window: the open one, or a new one when none is open.
Quorvex::Window1* Window1();
