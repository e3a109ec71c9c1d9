// Progress bars.
#include "framework/ProgressBar.h"

#include <QProgressBar>

namespace fw {

ProgressBar::ProgressBar(Window& ownerWindow)
    : RectControl(ownerWindow, new QProgressBar), bar(static_cast<QProgressBar*>(Widget())) {
    bar->setTextVisible(false);
}

void ProgressBar::SetMaximum(int maximum) { bar->setRange(0, maximum); }
void ProgressBar::SetValue(int value) { bar->setValue(value); }

std::vector<Property> ProgressBar::Properties() {
    std::vector<Property> p = RectControl::Properties();
    p.push_back(IntProperty("Maximum", [this](qint32 v) { SetMaximum(v); }));
    p.push_back(IntProperty("Value", [this](qint32 v) { SetValue(v); }));
    return p;
}

} // namespace fw
