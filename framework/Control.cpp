// Control placement and the settings that every control shares.
#include "framework/Control.h"

#include "framework/Window.h"

#include <QTextDocument>
#include <QWidget>

namespace fw {

namespace {

// Far past any screen, and near enough to zero that no sum of them overflows.
qint32 Coordinate(const char* name, qint32 value) {
    if (value < -QWIDGETSIZE_MAX || value > QWIDGETSIZE_MAX)
        throw LayoutRecordError(std::string(name) + " " + std::to_string(value) +
                                " is out of range");
    return value;
}

} // namespace

std::vector<Property> Control::Properties() {
    return {
        StringProperty("Name", [this](const QString& v) { Name = v; }),
        IntProperty("Index", [this](qint32 v) { Index = v; }),
    };
}

RectControl::RectControl(Window& ownerWindow, QWidget* w) : Control(ownerWindow), widget(w) {
    widget->setParent(ownerWindow.Content());
}

bool RectControl::Enabled() const { return widget && widget->isEnabled(); }

void RectControl::SetEnabled(bool enabled) { widget->setEnabled(enabled); }

void RectControl::SetVisible(bool v) {
    visible = v;
    widget->setVisible(v);
}

void RectControl::Refresh(bool) {
    if (widget) widget->update();
}

void RectControl::UpdateFocusPolicy() {
    widget->setFocusPolicy(AcceptsFocus() ? Qt::StrongFocus : Qt::NoFocus);
}

void RectControl::Place() {
    const QPoint origin = container ? container->bounds.topLeft() : QPoint(0, 0);
    widget->setGeometry(bounds.translated(-origin));
}

void RectControl::SetParentByName(const QString& parent) {
    if (parent.isEmpty()) {
        container = nullptr;
        widget->setParent(OwnerWindow().Content());
    } else {
        // "Name$index" names an element of a control array.
        const qsizetype dollar = parent.indexOf('$');
        Control* found = dollar < 0 ? OwnerWindow().ControlByName(parent)
                                    : OwnerWindow().ControlByNameIndex(
                                          parent.left(dollar), parent.mid(dollar + 1).toInt());
        auto* named = dynamic_cast<RectControl*>(found);
        if (!named)
            throw LayoutRecordError("InitialParent names no control: '" + parent.toStdString() +
                                    "'");
        // A widget inside itself is a cycle that Qt follows for ever.
        if (widget->isAncestorOf(named->widget))
            throw LayoutRecordError("InitialParent names the control itself or one inside it: '" +
                                    parent.toStdString() + "'");
        container = named;
        widget->setParent(container->widget);
    }
    Place();
    widget->setVisible(visible);
}

std::vector<Property> RectControl::Properties() {
    std::vector<Property> p = Control::Properties();
    auto geometry = [this](const char* name, void (QRect::*set)(int)) {
        return IntProperty(name, [this, name, set](qint32 v) {
            (bounds.*set)(Coordinate(name, v));
            Place();
        });
    };
    p.push_back(IntProperty("Left", [this](qint32 v) {
        bounds.moveLeft(Coordinate("Left", v));
        Place();
    }));
    p.push_back(IntProperty("Top", [this](qint32 v) {
        bounds.moveTop(Coordinate("Top", v));
        Place();
    }));
    p.push_back(geometry("Width", &QRect::setWidth));
    p.push_back(geometry("Height", &QRect::setHeight));
    p.push_back(BoolProperty("Visible", [this](bool v) { SetVisible(v); }));
    p.push_back(BoolProperty("Enabled", [this](bool v) { SetEnabled(v); }));
    p.push_back(IntProperty("TabIndex", [this](qint32 v) { tabIndex = v; }));
    p.push_back(BoolProperty("TabStop", [this](bool v) {
        tabStop = v;
        UpdateFocusPolicy();
    }));
    p.push_back(StringProperty("HelpTag", [this](const QString& v) {
        widget->setToolTip(v.isEmpty() ? QString() : Qt::convertFromPlainText(v));
    }));
    p.push_back(StringProperty("InitialParent", [this](const QString& v) { SetParentByName(v); }));
    // Settings for resizing, tab panels and deactivation: this program's
    // windows never resize and have no tab panels.
    for (const char* name : {"LockLeft", "LockTop", "LockRight", "LockBottom", "AutoDeactivate"})
        p.push_back(IgnoredProperty(name, PropertyType::Boolean));
    p.push_back(IgnoredProperty("TabPanelIndex", PropertyType::Integer));
    return p;
}

} // namespace fw
