// The application object: the application's menu bar and menu handlers, its
// Open event, Quit, and the running version that the build supplies.
#pragma once

#include "framework/MenuHandlers.h"

#include <QString>
#include <QtGlobal>

namespace fw {

class MenuBar;

class Application {
public:
    Q_DISABLE_COPY(Application)
    Application() = default;
    virtual ~Application() = default;

    fw::MenuBar* MenuBar() const { return menuBar; }
    void SetMenuBar(fw::MenuBar* bar) { menuBar = bar; }

    void AddMenuHandler(const QString& itemName, std::function<bool()> handler);
    bool HasMenuHandler(const QString& itemName) const;
    // Runs the application's handler for the item; false when it has none.
    bool HandleMenu(const QString& itemName);

    // Delivers the application's Open event.
    void CallOpen() { Event_Open(); }
    // Ends the event loop with the given exit status.
    static void Quit(int code = 0);

    int MajorVersion() const;
    int MinorVersion() const;
    int BugVersion() const;
    QString ShortVersion() const;
    QString LongVersion() const;

protected:
    virtual void Event_Open() {}

private:
    fw::MenuBar* menuBar = nullptr;
    MenuHandlers menuHandlers;
};

// The registered application object (null before registration).
void RegisterAppObject(Application* app);
Application* GetAppObject();

} // namespace fw
