// The application object.
#include "app/App.h"

#include "game/Module1.h"
#include "help/AboutBox.h"
#include "help/Help.h"
#include "update/selfTest.h"

namespace Quorvex {

App::App() = default;

void App::Event_Open() {
    Module1::MyNormalTime = 0.0;
    Module1::MyScrambledTime = 0.0;
    Module1::StopFlag = false;
}

bool App::HelpAbout_Action() {
    ::AboutBox()->Show();
    return false;
}

bool App::HelpShow_Action() {
    ::Help()->Show();
    return false;
}

bool App::CheckForUpdateCheckNow_Action() {
    ::selfTest()->Show();
    return false;
}

} // namespace Quorvex

Quorvex::App* App() { return static_cast<Quorvex::App*>(fw::GetAppObject()); }
