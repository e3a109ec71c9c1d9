// Push buttons.
#include "framework/PushButton.h"

#include <QPushButton>

namespace fw {

PushButton::PushButton(Window& ownerWindow)
    : RectControl(ownerWindow, new QPushButton), button(static_cast<QPushButton*>(Widget())),
      style(*button) {
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, [this] {
        if (Action) Action();
    });
}

void PushButton::SetCaption(const QString& text) {
    caption = text;
    // An ampersand is a character of the caption, not a mnemonic mark.
    button->setText(QString(text).replace('&', QLatin1String("&&")));
}

void PushButton::Push() {
    if (button->isEnabled() && button->isVisible()) button->click();
}

std::vector<Property> PushButton::Properties() {
    std::vector<Property> p = RectControl::Properties();
    p.push_back(StringProperty("Caption", [this](const QString& v) { SetCaption(v); }));
    p.push_back(BoolProperty("Default", [this](bool v) {
        isDefault = v;
        button->setDefault(v);
    }));
    p.push_back(BoolProperty("Cancel", [this](bool v) { isCancel = v; }));
    p.push_back(IgnoredProperty("ButtonStyle", PropertyType::Integer));
    style.AddProperties(p);
    return p;
}

} // namespace fw
