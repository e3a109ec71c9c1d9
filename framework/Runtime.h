// The runtime around the event loop: start, run, release, exit.
#pragma once

#include <functional>

namespace fw {

// Creates the Qt application; call first.
void RuntimeInit(int& argc, char** argv);
// Delivers the application's Open event, then calls lateStartup.
void RunFrameworkInitialization(const std::function<void()>& lateStartup);
// Runs the event loop until the application quits.
void RuntimeRun();
// Closes and deletes every window that is still open.
void ReleaseWindows();
// Ends the runtime; returns the process's exit status.
int RuntimeExit();

} // namespace fw
