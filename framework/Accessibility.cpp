// Accessible interfaces of the framework's windows.
#include "framework/Accessibility.h"

#include "framework/Window.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace fw {

namespace {

// A plain top-level widget is a nameless client area to assistive technology,
// which a screen reader passes over. The role is read when asked, as the
// interface may be made while the window's record is still being applied.
class WindowInterface : public QAccessibleWidget {
public:
    explicit WindowInterface(QWidget* widget) : QAccessibleWidget(widget) {}

    QAccessible::Role role() const override {
        const Window* window = WindowOf(object());
        return window && window->IsModalFrame() ? QAccessible::Dialog : QAccessible::Window;
    }
};

QAccessibleInterface* windowInterface(const QString&, QObject* object) {
    return WindowOf(object) ? new WindowInterface(static_cast<QWidget*>(object)) : nullptr;
}

} // namespace

void InstallAccessibility() { QAccessible::installFactory(windowInterface); }

} // namespace fw
