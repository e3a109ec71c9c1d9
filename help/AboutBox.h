// The About box: the program's name, the running version and the credits,
// with buttons to write to the author and to visit the maker's web site.
#pragma once

#include "framework/DesignTable.h"

namespace Quorvex {

class AboutBox : public fw::Window {
public:
    static constexpr const char* RegisteredName = "AboutBox.AboutBox";

    fw::PushButton* PushButton1() const { return ControlAs<fw::PushButton>("PushButton1"); }
    fw::PushButton* PushButton2() const { return ControlAs<fw::PushButton>("PushButton2"); }
    fw::Label* StaticText2() const { return ControlAs<fw::Label>("StaticText2"); }
    fw::Label* StaticText1() const { return ControlAs<fw::Label>("StaticText1"); }
    fw::Label* StaticText3() const { return ControlAs<fw::Label>("StaticText3"); }
    fw::Label* StaticText4() const { return ControlAs<fw::Label>("StaticText4"); }

    void PushButton1_Action(fw::PushButton& button);
    void PushButton2_Action(fw::PushButton& button);
    void StaticText4_Open(fw::Label& label);

    static const char* const AuthorMailURL;
    static const char* const HomePageURL;

protected:
    void Layout() override;
    void CreateControls() override;

private:
    void CreateControls0();
};

} // namespace Quorvex

// The one shared About box: the open one, or a new one when none is open.
Quorvex::AboutBox* AboutBox();
