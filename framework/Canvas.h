// A canvas: its Paint event draws on it, its MouseDown event takes presses.
// A canvas without a MouseDown handler lets presses through to what lies beneath.
#pragma once

#include "framework/Control.h"

namespace fw {

class Graphics;

class Canvas : public RectControl {
public:
    explicit Canvas(Window& ownerWindow);

    std::function<void(Graphics&)> Paint;
    // x and y from the canvas's top left corner; true when handled.
    std::function<bool(int x, int y)> MouseDown;

    std::vector<Property> Properties() override;

protected:
    bool AcceptsFocus() const override { return TabStop() && acceptFocus; }

private:
    bool acceptFocus = false;
};

} // namespace fw
