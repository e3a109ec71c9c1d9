// A window: a top-level widget with an optional menu bar above a content area
// of fixed size, and the controls that the window creates in it.
//
// Constructor() builds it: Layout, CreateControls, AddMenuHandlers, then the
// Open events (the controls' first, then the window's), and shows it when its
// layout says Visible. A window is open from then until Close(); a closed
// window is deleted once control returns to the event loop.
#pragma once

#include "framework/LayoutRecord.h"
#include "framework/MenuHandlers.h"
#include "framework/MenuItem.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QEventLoop;
class QVBoxLayout;
class QWidget;

namespace fw {

class Control;
class MenuBarView;
class PushButton;

class Window : public QObject, public PropertyTarget {
    Q_OBJECT
public:
    Window();
    ~Window() override;

    // The registered class name by which the shared-instance accessor finds it;
    // SharedInstance gives a window its class's RegisteredName.
    virtual QString ClassName() const { return className; }

    void Constructor();
    void Show();
    // Shows the window application-modal and returns once it has closed.
    void ShowModal();
    void Close();
    void Refresh(bool eraseBackground = true);
    bool IsOpen() const { return open; }

    QString Title() const;
    // Whether its layout gives it the frame of a movable modal window (Frame 1)
    // rather than that of a document window (0).
    bool IsModalFrame() const { return frame == 1; }
    fw::MenuBar* MenuBar() const { return menuBar; }
    void SetMenuBar(fw::MenuBar* bar);
    // The item of that name and class on the window's menu bar; a missing or
    // mistyped one, or no bar at all, is a programming error.
    template <class T = MenuItem> T* MenuItemAs(const QString& name) const;

    void AddControl(const QString& name, std::unique_ptr<Control> control);
    Control* ControlByName(const QString& name) const;
    Control* ControlByNameIndex(const QString& name, int index) const;
    // The control of that name and class; a missing or mistyped one is a programming error.
    template <class T> T* ControlAs(const QString& name, qint32 index = NoIndex) const;

    void AddMenuHandler(const QString& itemName, std::function<bool()> handler);
    bool HasMenuHandler(const QString& itemName) const;
    // Runs the window's handler for the item; false when it has none.
    bool HandleMenu(const QString& itemName);
    // Enables the items of the window's bar that something can act on now.
    void UpdateMenus();

    // The top-level widget, and the content area that controls lie in.
    QWidget* Widget() const { return top; }
    QWidget* Content() const { return content; }

    std::vector<Property> Properties() override;

protected:
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Window& /*window*/) {}
    virtual void Event_Open() {}
    virtual void Event_Close() {}

private:
    friend class WindowWidget;
    template <class W> friend W* SharedInstance();
    void ClosedByUser();
    void ApplyFrame();
    void ApplyTabOrder();
    PushButton* ButtonWhere(bool (PushButton::*flag)() const) const;
    void PressDefault();
    void PressCancel();

    QString className;
    QWidget* top;
    QWidget* content;
    QVBoxLayout* frameLayout;
    fw::MenuBar* menuBar = nullptr;
    std::unique_ptr<MenuBarView> menuView;
    std::vector<std::unique_ptr<Control>> controls;
    MenuHandlers menuHandlers;
    QPointer<QEventLoop> modalLoop;
    bool open = false;
    bool visible = false;
    int frame = 0;
    bool resizeable = false;
    bool closeButton = true;
    bool minimizeButton = true;
    bool maximizeButton = false;
    bool menuBarVisible = true;
    QSize minSize, maxSize;
};

// The open window of a registered class, or null.
Window* GetImplicitWindow(const QString& className);
// Every open window, oldest first.
std::vector<Window*> OpenWindows();
// The window whose top-level widget this is, or null.
Window* WindowOf(const QObject* widget);
// Registers a window class name; the shared-instance lookup accepts only registered names.
void RegisterClass(const QString& className);

// The shared instance of a window class: the open one, or a new one, built
// (and shown, when its layout says so) when none is open.
template <class W> W* SharedInstance() {
    if (Window* open = GetImplicitWindow(QString::fromLatin1(W::RegisteredName)))
        return static_cast<W*>(open);
    auto* window = new W;
    window->className = QString::fromLatin1(W::RegisteredName);
    window->Constructor();
    return window;
}

// A control, menu item or window class that is not there, or not of the class asked for.
class LookupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

template <class T> T* Window::ControlAs(const QString& name, qint32 index) const {
    Control* c = index == NoIndex ? ControlByName(name) : ControlByNameIndex(name, index);
    T* typed = dynamic_cast<T*>(c);
    if (!typed)
        throw LookupError("window " + ClassName().toStdString() + " has no control '" +
                          name.toStdString() + "' of the expected class");
    return typed;
}

template <class T> T* Window::MenuItemAs(const QString& name) const {
    if (!menuBar) throw LookupError("window " + ClassName().toStdString() + " has no menu bar");
    T* typed = dynamic_cast<T*>(menuBar->Lookup(name));
    if (!typed)
        throw LookupError("the menu bar of window " + ClassName().toStdString() + " has no item '" +
                          name.toStdString() + "' of the expected class");
    return typed;
}

} // namespace fw
