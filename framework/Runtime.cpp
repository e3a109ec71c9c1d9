// The runtime.
#include "framework/Runtime.h"

#include "framework/Accessibility.h"
#include "framework/Application.h"
#include "framework/Window.h"

#include <QApplication>
#include <memory>

namespace fw {

namespace {
std::unique_ptr<QApplication> qtApp;
int exitStatus = 0;
} // namespace

void RuntimeInit(int& argc, char** argv) {
    qtApp = std::make_unique<QApplication>(argc, argv);
    // The program decides when to quit: closing its main window does.
    QApplication::setQuitOnLastWindowClosed(false);
}

void RunFrameworkInitialization(const std::function<void()>& lateStartup) {
    InstallAccessibility();
    if (Application* app = GetAppObject()) app->CallOpen();
    lateStartup();
}

void RuntimeRun() { exitStatus = QApplication::exec(); }

void ReleaseWindows() {
    for (Window* w : OpenWindows())
        delete w;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int RuntimeExit() {
    qtApp.reset();
    return exitStatus;
}

} // namespace fw
