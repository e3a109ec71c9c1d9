// The application object: resets part of the test state when the application
// opens and holds the application-wide menu handlers.
#pragma once

#include "framework/Application.h"

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

// The registered application object.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow" // the accessor is named like its class
App* App();
#pragma GCC diagnostic pop
