// The application object: resets part of the test state when the application
// opens and holds the application-wide menu handlers.
#pragma once

#include "framework/Application.h"

// The program's classes live in this namespace, so that each class's accessor,
// outside it, can have the class's own name.
namespace Quorvex {

class App : public fw::Application {
public:
    App();
    void Constructor() {}

    // Menu handlers: each shows its window and returns false.
    bool HelpAbout_Action();
    bool HelpShow_Action();
    bool CheckForUpdateCheckNow_Action();

protected:
    void Event_Open() override;
};

} // namespace Quorvex

// The registered application object.
Quorvex::App* App();
