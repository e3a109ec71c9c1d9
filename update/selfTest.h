// The version window: shows the running version and starts an update check.
#pragma once

#include "framework/DesignTable.h"

namespace Quorvex {

class selfTest : public fw::Window {
public:
    static constexpr const char* RegisteredName = "selfTest.selfTest";

    fw::Label* StaticText1() const { return ControlAs<fw::Label>("StaticText1"); }
    fw::Label* StaticText2() const { return ControlAs<fw::Label>("StaticText2"); }
    fw::PushButton* PushButton1() const { return ControlAs<fw::PushButton>("PushButton1"); }

    void StaticText2_Open(fw::Label& label);
    void PushButton1_Action(fw::PushButton& button);

protected:
    void Layout() override;
    void CreateControls() override;

private:
    void CreateControls0();
};

} // namespace Quorvex

// The one shared version window: the open one, or a new one when none is open.
Quorvex::selfTest* selfTest();
