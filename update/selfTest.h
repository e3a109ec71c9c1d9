// The version window: shows the running version and starts an update check.
#pragma once

#include "framework/DesignTable.h"
#include "framework/Records.h"

namespace Quorvex {

class selfTest : public fw::Window {
    Q_OBJECT
public:
    static constexpr const char* RegisteredName = "selfTest.selfTest";
    QString ClassName() const override { return RegisteredName; }

    fw::Label* StaticText1() const { return ControlAs<fw::Label>("StaticText1"); }
    fw::Label* StaticText2() const { return ControlAs<fw::Label>("StaticText2"); }
    fw::PushButton* PushButton1() const { return ControlAs<fw::PushButton>("PushButton1"); }

    void StaticText2_Open(fw::Label& label);
    void PushButton1_Action(fw::PushButton& button);

    static const fw::WindowSettings Settings;
    static const std::array<fw::ControlRow, 3> Controls;

protected:
    void Layout() override;
    void CreateControls() override;

private:
    void CreateControls0();
};

} // namespace Quorvex

// The one shared version window: the open one, or a new one when none is open.
Quorvex::selfTest* selfTest();
