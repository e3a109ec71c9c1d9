// The application object.
#include "framework/Application.h"

#include "BuildVersion.h"
#include "framework/Window.h"

#include <QCoreApplication>

namespace fw {

namespace {
Application* appObject = nullptr;
}

void RegisterAppObject(Application* app) { appObject = app; }
Application* GetAppObject() { return appObject; }

void Application::AddMenuHandler(const QString& itemName, std::function<bool()> handler) {
    menuHandlers.Add(itemName, std::move(handler));
    for (Window* window : OpenWindows())
        window->UpdateMenus();
}

bool Application::HasMenuHandler(const QString& itemName) const {
    return menuHandlers.Has(itemName);
}

bool Application::HandleMenu(const QString& itemName) { return menuHandlers.Run(itemName); }

void Application::Quit(int code) { QCoreApplication::exit(code); }

int Application::MajorVersion() const { return build::Major; }
int Application::MinorVersion() const { return build::Minor; }
int Application::BugVersion() const { return build::Bug; }
QString Application::ShortVersion() const { return QString::fromLatin1(build::Short); }
QString Application::LongVersion() const { return QString::fromLatin1(build::Long); }

} // namespace fw
