// The version window.
#include "update/selfTest.h"

#include "framework/Application.h"
#include "framework/Records.h"
#include "update/updateWindow.h"

class selfTest* selfTest() {
    return fw::SharedInstance<class selfTest>();
}

void selfTest::Layout() {
    fw::WindowSettings s;
    s.width = 231;
    s.height = 99;
    s.title = QStringLiteral("Self Test");
    s.minimizeButton = false;
    fw::SetProperties(*this, fw::WindowRecord(s));
}

void selfTest::CreateControls() { CreateControls0(); }

void selfTest::CreateControls0() {
    const fw::TextSettings arialBold;
    const fw::TextSettings systemBold{QStringLiteral("System"), true};

    AddControl("StaticText1", std::make_unique<fw::Label>(*this));
    StaticText1()->SetTextUnit(0);
    StaticText1()->SetTextSize(12);
    fw::SetProperties(*StaticText1(), fw::LabelRecord(fw::At("StaticText1", 51, 19, 56, 20, 0),
                                                      "Version:", 0, arialBold));

    AddControl("StaticText2", std::make_unique<fw::Label>(*this));
    StaticText2()->SetTextUnit(0);
    // Its default size: the long version has to fit the label's 69 pixels.
    StaticText2()->SetTextSize(11);
    fw::SetProperties(*StaticText2(), fw::LabelRecord(fw::At("StaticText2", 110, 19, 69, 20, 1),
                                                      "1.2.0 Intel", 2, systemBold));
    fw::Label* version = StaticText2();
    version->Open = [this, version] { StaticText2_Open(*version); };

    AddControl("PushButton1", std::make_unique<fw::PushButton>(*this));
    PushButton1()->SetTextUnit(0);
    PushButton1()->SetTextSize(12);
    fw::SetProperties(*PushButton1(),
                      fw::PushButtonRecord(fw::At("PushButton1", 45, 51, 140, 21, 2),
                                           "Check for Updates", arialBold, true, false));
    fw::PushButton* check = PushButton1();
    check->Action = [this, check] { PushButton1_Action(*check); };
}

void selfTest::StaticText2_Open(fw::Label& label) {
    label.SetText(fw::GetAppObject()->LongVersion());
}

void selfTest::PushButton1_Action(fw::PushButton&) {
    // The update window closes this window as the check starts.
    updateWindow()->ShowModal();
    if (fw::Window* stillOpen = fw::GetImplicitWindow(RegisteredName)) stillOpen->Close();
}
