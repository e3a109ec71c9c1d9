// A label; its text is always plain text, never markup.
#pragma once

#include "framework/Control.h"
#include "framework/TextStyle.h"

class QLabel;

namespace fw {

class Label : public RectControl {
public:
    explicit Label(Window& ownerWindow);

    QString Text() const;
    void SetText(const QString& text);
    void SetTextSize(double size) { style.SetTextSize(size); }
    void SetTextUnit(int unit) { style.SetTextUnit(unit); }

    std::vector<Property> Properties() override;

private:
    void SetTextAlign(int align);
    QLabel* label;
    TextStyle style;
    QString text;
};

} // namespace fw
