// The Qt menu bar that shows a menu model in one window. A chosen item runs
// the window's handler for its name, else the application's; a quit item
// quits; the standard Edit items act on the focused text control. Items that
// nothing can act on are disabled, so their shortcuts do nothing either.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QAction;
class QMenuBar;

namespace fw {

class MenuBar;
class MenuItem;
class Window;

class MenuBarView {
public:
    MenuBarView(Window& window, MenuBar& model);
    ~MenuBarView();

    QMenuBar* Bar() const { return bar; }
    // Enables every item that something can act on now.
    void UpdateEnabled();

private:
    struct Entry {
        MenuItem* item;
        QAction* action;
    };
    void Choose(MenuItem& item);
    bool CanAct(const MenuItem& item) const;

    Window& window;
    QMenuBar* bar;
    std::vector<Entry> entries;
    QMetaObject::Connection focusWatch;
};

// "Cmd+Shift+P" as Qt reads it: the command key is Control here.
QString PortableShortcut(const QString& shortcut);

} // namespace fw
