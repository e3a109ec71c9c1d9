// Starts Quorvex from its own library and start-up sequence, as the tests do,
// and times its memory display and its reading runs on the real platform.
// This is a bench executable, not the shipped program: nothing in the shipped
// one is switched or hooked for it.
#include "Stats.h"
#include "TimingBenches.h"

#include "app/Startup.h"
#include "framework/Runtime.h"
#include "game/Window1.h"

#include <QTest>
#include <cstring>

int main(int argc, char** argv) {
    bool quick = false;
    for (int i = 1; i < argc; ++i)
        quick = quick || std::strcmp(argv[i], "--quick") == 0;

    fw::RuntimeInit(argc, argv);
    initialize();
    EarlyStartup();
    fw::RunFrameworkInitialization(LateStartup);
    Quorvex::Window1* window = Window1();
    if (!QTest::qWaitForWindowExposed(window->Widget())) {
        std::fprintf(stderr, "bench_timing: the main window was never shown\n");
        return 1;
    }
    PrintHeader();
    BenchMemoryDisplay(*window, quick ? 10 : 50);
    BenchReadingTime(*window, quick);
    finalize();
    return fw::RuntimeExit();
}
