// Start-up and shut-down, in their fixed order.
#include "app/Startup.h"

#include "app/App.h"
#include "app/MenuBars.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "game/Module1.h"
#include "game/Window1.h"
#include "help/AboutBox.h"
#include "help/Help.h"
#include "update/selfTest.h"
#include "update/updateWindow.h"

#include <QApplication>
#include <QIcon>
#include <memory>

namespace {
std::unique_ptr<Quorvex::App> theApp;
}

void initialize() {
    // Before any window exists, so that every window carries the icon and the
    // desktop can match them to the program's desktop entry. Message boxes take
    // their title from the display name.
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvex"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quorvex.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvex"));
    fw::RegisterClass(Quorvex::Window1::RegisteredName);
    fw::RegisterClass(Quorvex::Help::RegisteredName);
    Module1::Init();
    fw::RegisterClass(Quorvex::AboutBox::RegisteredName);
    fw::RegisterClass(Quorvex::selfTest::RegisteredName);
    fw::RegisterClass(Quorvex::updateWindow::RegisteredName);
}

void Main() {
    EarlyStartup();
    fw::RunFrameworkInitialization(LateStartup);
    fw::RuntimeRun();
}

void EarlyStartup() {
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

// The program declares no document types.
void InitFileTypes() {}

void NewAppInstance() {
    theApp = std::make_unique<Quorvex::App>();
    theApp->Constructor();
    theApp->SetMenuBar(MenuBar1());
    fw::RegisterAppObject(theApp.get());
}

void ApplicationAddMenuHandlers() {
    Quorvex::App* app = App();
    app->AddMenuHandler("HelpAbout", [app] { return app->HelpAbout_Action(); });
    app->AddMenuHandler("HelpShow", [app] { return app->HelpShow_Action(); });
    app->AddMenuHandler("CheckForUpdateCheckNow",
                        [app] { return app->CheckForUpdateCheckNow_Action(); });
}

void LateStartup() { MakeDefaultView(); }

// Building the main window shows it: its layout says Visible.
void MakeDefaultView() { Window1(); }

void finalize() {
    fw::ReleaseWindows();
    ReleaseMenuBars();
    Module1::Exit();
    fw::RegisterAppObject(nullptr);
    theApp.reset();
}
