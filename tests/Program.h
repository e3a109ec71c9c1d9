// Starts the program as main() does, but without entering the event loop, so
// that a test can drive it; and ends it again.
#pragma once

#include "app/Startup.h"
#include "framework/Runtime.h"
#include "game/Window1.h"

#include <QTest>

struct ProgramRun {
    ProgramRun() {
        initialize();
        EarlyStartup();
        fw::RunFrameworkInitialization(LateStartup);
        window = Window1();
        QVERIFY(QTest::qWaitForWindowExposed(window->Widget()));
    }
    ~ProgramRun() { finalize(); }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    class Window1* window = nullptr;
};
