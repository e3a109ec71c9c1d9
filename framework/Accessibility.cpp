// Accessible interfaces of the framework's windows.
#include "framework/Accessibility.h"

#include "framework/Window.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace fw {

namespace {

// The window whose top-level widget this is, or null.
const Window* windowOf(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow()) return nullptr;
    return qobject_cast<const Window*>(widget->property("fwWindow").value<QObject*>());
}

// A plain top-level widget is a nameless client area to assistive technology,
// which a screen reader passes over. The role is read when asked, as the
// interface may be made while the window's record is still being applied.
class WindowInterface : public QAccessibleWidget {
public:
    explicit WindowInterface(QWidget* widget) : QAccessibleWidget(widget) {}

    QAccessible::Role role() const override {
        const Window* window = windowOf(object());
        return window && window->IsModalFrame() ? QAccessible::Dialog : QAccessible::Window;
    }
};

QAccessibleInterface* windowInterface(const QString&, QObject* object) {
    return windowOf(object) ? new WindowInterface(static_cast<QWidget*>(object)) : nullptr;
}

} // namespace

void InstallAccessibility() { QAccessible::installFactory(windowInterface); }

} // namespace fw
