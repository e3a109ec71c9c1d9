// The base of every control, and of every control that has a place on screen.
#pragma once

#include "framework/LayoutRecord.h"

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>

namespace fw {

class Window;

class Control : public PropertyTarget {
public:
    explicit Control(Window& ownerWindow) : owner(ownerWindow) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    ~Control() override = default;

    QString Name;
    qint32 Index = NoIndex;
    Window& OwnerWindow() const { return owner; }

    // Raised once while the window opens, before the window's own Open.
    std::function<void()> Open;
    // Called when the owner window closes: whatever the control still has
    // under way must have no later effect.
    virtual void OwnerClosed() {}

    std::vector<Property> Properties() override;

private:
    Window& owner;
};

// A control with a widget. Left and Top are window coordinates, also for a
// control that lies inside another; the widget is placed relative to its parent.
class RectControl : public Control {
public:
    RectControl(Window& owner, QWidget* widget);

    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const { return visible; }
    void SetVisible(bool visible);
    int TabIndex() const { return tabIndex; }
    bool TabStop() const { return tabStop; }
    void Refresh(bool eraseBackground = true);

    QWidget* Widget() const { return widget; }

    std::vector<Property> Properties() override;

protected:
    // Whether the control may take the keyboard focus at all.
    virtual bool AcceptsFocus() const { return tabStop; }
    void UpdateFocusPolicy();

private:
    void Place();
    void SetParentByName(const QString& parent);

    QPointer<QWidget> widget;
    RectControl* container = nullptr;
    QRect bounds;
    bool visible = true;
    bool tabStop = true;
    int tabIndex = 0;
};

} // namespace fw
