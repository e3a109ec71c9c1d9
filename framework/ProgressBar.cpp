// Progress bars.
#include "framework/ProgressBar.h"

#include "framework/Records.h"

#include <QProgressBar>

namespace fw {

ProgressBar::ProgressBar(Window& ownerWindow)
    : RectControl(ownerWindow, new QProgressBar), bar(static_cast<QProgressBar*>(Widget())) {
    bar->setTextVisible(false);
}

int ProgressBar::Maximum() const { return bar->maximum(); }
void ProgressBar::SetMaximum(int maximum) { bar->setRange(0, maximum); }
int ProgressBar::Value() const { return bar->value(); }
void ProgressBar::SetValue(int value) { bar->setValue(value); }

std::vector<Property> ProgressBar::Properties() {
    std::vector<Property> p = RectControl::Properties();
    p.push_back(IntProperty("Maximum", [this](qint32 v) { SetMaximum(v); }));
    p.push_back(IntProperty("Value", [this](qint32 v) { SetValue(v); }));
    return p;
}

QByteArray ProgressBarRecord(const Placement& p, int maximum, int value) {
    LayoutRecord r;
    r.String("Name", p.name)
        .Integer("Index", p.index)
        .Integer("Left", p.left)
        .Integer("Top", p.top)
        .Integer("Width", p.width)
        .Integer("Height", p.height)
        .Boolean("LockLeft", false)
        .Boolean("LockTop", false)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .Integer("TabPanelIndex", 0)
        .Integer("TabIndex", p.tabIndex)
        .Boolean("TabStop", true)
        .Boolean("Visible", true)
        .String("HelpTag", {})
        .Boolean("AutoDeactivate", true)
        .Boolean("Enabled", p.enabled)
        .Integer("Maximum", maximum)
        .Integer("Value", value)
        .String("InitialParent", p.inside);
    return r.Bytes();
}

} // namespace fw
