// The version window.
#include "update/selfTest.h"

#include "framework/Application.h"
#include "update/updateWindow.h"

Quorvex::selfTest* selfTest() { return fw::SharedInstance<Quorvex::selfTest>(); }

namespace Quorvex {

void selfTest::StaticText2_Open(fw::Label& label) {
    label.SetText(fw::GetAppObject()->LongVersion());
}

void selfTest::PushButton1_Action(fw::PushButton&) {
    // The update window closes this window as the check starts.
    ::updateWindow()->ShowModal();
    if (fw::Window* stillOpen = fw::GetImplicitWindow(RegisteredName)) stillOpen->Close();
}

} // namespace Quorvex
