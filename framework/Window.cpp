// Windows: building, showing, closing, controls and menu handlers.
#include "framework/Window.h"

#include "framework/Control.h"
#include "framework/MenuBarView.h"
#include "framework/PushButton.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QSet>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace fw {

namespace {
std::vector<Window*> openWindows;
QSet<QString> registeredClasses;
} // namespace

class WindowWidget : public QWidget {
public:
    explicit WindowWidget(Window& owner) : window(owner) {}
    Window& Owner() const { return window; }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        window.ClosedByUser();
    }

    // Outside a dialog Qt presses no default or cancel button by itself.
    void keyPressEvent(QKeyEvent* event) override {
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
                window.PressDefault();
                return;
            }
            if (event->key() == Qt::Key_Escape) {
                window.PressCancel();
                return;
            }
        }
        QWidget::keyPressEvent(event);
    }

    // The items' states follow what can act on them in the window now in front.
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::ActivationChange && isActiveWindow()) window.UpdateMenus();
        QWidget::changeEvent(event);
    }

private:
    Window& window;
};

void RegisterClass(const QString& className) { registeredClasses.insert(className); }

Window* GetImplicitWindow(const QString& className) {
    if (!registeredClasses.contains(className))
        throw LookupError("window class '" + className.toStdString() + "' was never registered");
    for (Window* w : openWindows)
        if (w->ClassName() == className) return w;
    return nullptr;
}

std::vector<Window*> OpenWindows() { return openWindows; }

Window* WindowOf(const QObject* widget) {
    const auto* top = dynamic_cast<const WindowWidget*>(widget);
    return top ? &top->Owner() : nullptr;
}

Window::Window() : top(new WindowWidget(*this)), content(new QWidget) {
    frameLayout = new QVBoxLayout(top);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->setSpacing(0);
    frameLayout->addWidget(content);
}

Window::~Window() {
    std::erase(openWindows, this);
    controls.clear();
    menuView.reset();
    delete top;
}

void Window::Constructor() {
    Layout();
    CreateControls();
    AddMenuHandlers(*this);
    if (menuView) menuView->UpdateEnabled();
    ApplyFrame();
    ApplyTabOrder();
    open = true;
    openWindows.push_back(this);
    for (const auto& control : controls)
        if (control->Open) control->Open();
    if (open) Event_Open();
    if (open && visible) Show();
}

void Window::Show() {
    if (!open) return;
    top->show();
    top->raise();
    top->activateWindow();
}

void Window::ShowModal() {
    if (!open) return;
    QPointer<Window> self(this);
    // Qt applies a modality only when a window is shown, and a window whose
    // layout says Visible is already on screen.
    if (top->isVisible()) top->hide();
    top->setWindowModality(Qt::ApplicationModal);
    Show();
    QEventLoop loop;
    modalLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
    if (self) self->modalLoop = nullptr;
}

void Window::Close() {
    if (!open) return;
    open = false;
    std::erase(openWindows, this);
    for (const auto& control : controls)
        control->OwnerClosed();
    Event_Close();
    top->hide();
    if (modalLoop) modalLoop->quit();
    deleteLater();
}

void Window::ClosedByUser() { Close(); }

void Window::UpdateMenus() {
    if (menuView) menuView->UpdateEnabled();
}

void Window::Refresh(bool) { top->update(); }

QString Window::Title() const { return top->windowTitle(); }

void Window::SetMenuBar(fw::MenuBar* bar) {
    menuBar = bar;
    menuView = bar ? std::make_unique<MenuBarView>(*this, *bar) : nullptr;
    frameLayout->setMenuBar(menuView ? menuView->Bar() : nullptr);
}

void Window::AddControl(const QString& name, std::unique_ptr<Control> control) {
    control->Name = name;
    controls.push_back(std::move(control));
}

Control* Window::ControlByName(const QString& name) const {
    for (const auto& c : controls)
        if (c->Name == name) return c.get();
    return nullptr;
}

Control* Window::ControlByNameIndex(const QString& name, int index) const {
    for (const auto& c : controls)
        if (c->Name == name && c->Index == index) return c.get();
    return nullptr;
}

void Window::AddMenuHandler(const QString& itemName, std::function<bool()> handler) {
    menuHandlers.Add(itemName, std::move(handler));
    UpdateMenus();
}

bool Window::HasMenuHandler(const QString& itemName) const { return menuHandlers.Has(itemName); }

bool Window::HandleMenu(const QString& itemName) { return menuHandlers.Run(itemName); }

PushButton* Window::ButtonWhere(bool (PushButton::*flag)() const) const {
    for (const auto& c : controls)
        if (auto* b = dynamic_cast<PushButton*>(c.get()); b && (b->*flag)()) return b;
    return nullptr;
}

void Window::PressDefault() {
    if (PushButton* b = ButtonWhere(&PushButton::Default)) b->Push();
}

void Window::PressCancel() {
    if (PushButton* b = ButtonWhere(&PushButton::Cancel)) b->Push();
}

void Window::ApplyFrame() {
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (closeButton) flags |= Qt::WindowCloseButtonHint;
    if (minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton && resizeable) flags |= Qt::WindowMaximizeButtonHint;
    top->setWindowFlags(flags);
    if (resizeable) {
        frameLayout->setSizeConstraint(QLayout::SetDefaultConstraint);
        content->setMinimumSize(minSize);
        content->setMaximumSize(maxSize);
    } else {
        content->setFixedSize(content->size());
        frameLayout->setSizeConstraint(QLayout::SetFixedSize);
    }
    if (menuView) menuView->Bar()->setVisible(menuBarVisible);
}

void Window::ApplyTabOrder() {
    std::vector<RectControl*> chain;
    for (const auto& c : controls)
        if (auto* r = dynamic_cast<RectControl*>(c.get());
            r && r->Widget()->focusPolicy() != Qt::NoFocus)
            chain.push_back(r);
    std::stable_sort(chain.begin(), chain.end(),
                     [](RectControl* a, RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1]->Widget(), chain[i]->Widget());
}

std::vector<Property> Window::Properties() {
    return {
        IntProperty("Width", [this](qint32 v) { content->resize(v, content->height()); }),
        IntProperty("Height", [this](qint32 v) { content->resize(content->width(), v); }),
        IntProperty("MinWidth", [this](qint32 v) { minSize.setWidth(v); }),
        IntProperty("MinHeight", [this](qint32 v) { minSize.setHeight(v); }),
        IntProperty("MaxWidth", [this](qint32 v) { maxSize.setWidth(v); }),
        IntProperty("MaxHeight", [this](qint32 v) { maxSize.setHeight(v); }),
        StringProperty("Title", [this](const QString& v) { top->setWindowTitle(v); }),
        BoolProperty("Visible", [this](bool v) { visible = v; }),
        // Only assistive technology reads it: a modal window is modal by ShowModal.
        IntProperty("Frame", [this](qint32 v) { frame = v; }),
        BoolProperty("HasBackColor", [this](bool v) { content->setAutoFillBackground(v); }),
        ColorProperty("BackColor",
                      [this](const QColor& c) {
                          QPalette palette = content->palette();
                          palette.setColor(QPalette::Window, c);
                          content->setPalette(palette);
                      }),
        BoolProperty("MenuBarVisible", [this](bool v) { menuBarVisible = v; }),
        BoolProperty("CloseButton", [this](bool v) { closeButton = v; }),
        BoolProperty("Resizeable", [this](bool v) { resizeable = v; }),
        BoolProperty("MaximizeButton", [this](bool v) { maximizeButton = v; }),
        BoolProperty("MinimizeButton", [this](bool v) { minimizeButton = v; }),
        // Where the window first stands, and settings that only another
        // platform read: the desktop places our windows.
        IgnoredProperty("Placement", PropertyType::Integer),
        IgnoredProperty("MacProcID", PropertyType::Integer),
        IgnoredProperty("Composite", PropertyType::Boolean),
        IgnoredProperty("FullScreen", PropertyType::Boolean),
        IgnoredProperty("LiveResize", PropertyType::Boolean),
    };
}

} // namespace fw
