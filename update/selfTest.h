// The version window: shows the running version and starts an update check.
#pragma once

#include "framework/Label.h"
#include "framework/PushButton.h"
#include "framework/Window.h"

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

protected:
    void Layout() override;
    void CreateControls() override;

private:
    void CreateControls0();
};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow" // the accessor is named like its class
selfTest* selfTest();
#pragma GCC diagnostic pop
