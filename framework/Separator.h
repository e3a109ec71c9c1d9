// A separator line, drawn along the longer side of its bounds.
#pragma once

#include "framework/Control.h"

namespace fw {

class Separator : public RectControl {
public:
    explicit Separator(Window& ownerWindow);
    static inline const QColor LineColor{128, 128, 128};

protected:
    bool AcceptsFocus() const override { return false; }
};

} // namespace fw
