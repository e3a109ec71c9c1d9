// Starts the program as main() does, but without entering the event loop, so
// that a test can drive it; and ends it again. Also finds what it has open.
#pragma once

#include "app/Startup.h"
#include "framework/Runtime.h"
#include "game/Module1.h"
#include "game/Window1.h"

#include <QAction>
#include <QMenuBar>
#include <QTest>

struct ProgramRun {
    ProgramRun() {
        initialize();
        EarlyStartup();
        fw::RunFrameworkInitialization(LateStartup);
        window = Window1();
        QVERIFY(QTest::qWaitForWindowExposed(window->Widget()));
    }
    ~ProgramRun() {
        finalize();
        // The next run starts as a new process would: the finaliser leaves the
        // numbers and the flag of the test state as they are.
        Module1::MyNormalTime = Module1::MyScrambledTime = Module1::StartTime = 0.0;
        Module1::EndTime = Module1::TotalTime = Module1::TotalTime1 = 0.0;
        Module1::StopFlag = false;
        Module1::AnswerNo = Module1::CorrectAnswers = 0;
    }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    Quorvex::Window1* window = nullptr;
};

// How many windows of the class are open.
inline int OpenWindowsOf(const QString& className) {
    int count = 0;
    for (fw::Window* w : fw::OpenWindows())
        count += w->ClassName() == className;
    return count;
}

// The menu bar a window shows, and its item of the given name.
inline QMenuBar* BarOf(const fw::Window* window) {
    return window->Widget()->findChild<QMenuBar*>();
}
inline QAction* ActionNamed(const fw::Window* window, const QString& name) {
    return BarOf(window)->findChild<QAction*>(name);
}
