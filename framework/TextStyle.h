// The font settings of a control that shows text (push buttons, labels).
#pragma once

#include "framework/Font.h"
#include "framework/LayoutRecord.h"

class QWidget;

namespace fw {

class TextStyle {
public:
    explicit TextStyle(QWidget& target) : widget(target) {}

    void SetTextSize(double size);
    // Only the one unit the program uses (0) exists here.
    void SetTextUnit(int unit);

    void AddProperties(std::vector<Property>& properties);

private:
    void Apply();
    QWidget& widget;
    FontSpec spec;
};

} // namespace fw
