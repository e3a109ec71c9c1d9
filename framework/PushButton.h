// A push button whose caption is shown as plain text.
#pragma once

#include "framework/Control.h"
#include "framework/TextStyle.h"

class QPushButton;

namespace fw {

class PushButton : public RectControl {
public:
    explicit PushButton(Window& ownerWindow);

    QString Caption() const { return caption; }
    void SetCaption(const QString& caption);
    // Return/Enter presses the window's default button, Escape its cancel button.
    bool Default() const { return isDefault; }
    bool Cancel() const { return isCancel; }
    void SetTextSize(double size) { style.SetTextSize(size); }
    void SetTextUnit(int unit) { style.SetTextUnit(unit); }
    // Presses the button as a click would, when it is enabled.
    void Push();

    std::function<void()> Action;

    std::vector<Property> Properties() override;

private:
    QPushButton* button;
    TextStyle style;
    QString caption;
    bool isDefault = false;
    bool isCancel = false;
};

} // namespace fw
