// A framed, filled rectangle. It takes no mouse presses: they reach what lies beneath.
#pragma once

#include "framework/Control.h"

#include <QColor>

namespace fw {

class Rectangle : public RectControl {
public:
    explicit Rectangle(Window& ownerWindow);

    QColor FillColor = Qt::white;
    int BorderWidth = 1;
    QColor TopLeftColor = Qt::black;
    QColor BottomRightColor = Qt::black;

    std::vector<Property> Properties() override;

protected:
    bool AcceptsFocus() const override { return false; }
};

} // namespace fw
