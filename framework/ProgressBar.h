// A progress bar; a Maximum of 0 makes it show activity instead of an amount.
#pragma once

#include "framework/Control.h"

class QProgressBar;

namespace fw {

class ProgressBar : public RectControl {
public:
    explicit ProgressBar(Window& ownerWindow);

    void SetMaximum(int maximum);
    void SetValue(int value);

    std::vector<Property> Properties() override;

private:
    QProgressBar* bar;
};

} // namespace fw
