// The application object.
#include "app/App.h"

#include "game/Module1.h"

App::App() = default;

void App::Event_Open() {
    Module1::MyNormalTime = 0.0;
    Module1::MyScrambledTime = 0.0;
    Module1::StopFlag = false;
}

class App* App() { return static_cast<class App*>(fw::GetAppObject()); }
