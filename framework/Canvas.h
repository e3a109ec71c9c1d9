// A canvas: its Paint event draws on it, its MouseDown event takes presses.
// A canvas without a MouseDown handler lets presses through to what lies beneath.
#pragma once

#include "framework/Control.h"

#include <QRect>
#include <vector>

namespace fw {

class Graphics;

class Canvas : public RectControl {
public:
    explicit Canvas(Window& ownerWindow);

    // The areas are the parts of the canvas that need drawing again.
    std::function<void(Graphics& g, const std::vector<QRect>& areas)> Paint;
    // x and y from the canvas's top left corner; true when handled.
    std::function<bool(int x, int y)> MouseDown;

    std::vector<Property> Properties() override;

protected:
    bool AcceptsFocus() const override { return TabStop() && acceptFocus; }

private:
    bool acceptFocus = false;
};

} // namespace fw
