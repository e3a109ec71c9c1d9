// Labels.
#include "framework/Label.h"

#include <QLabel>

namespace fw {

Label::Label(Window& ownerWindow)
    : RectControl(ownerWindow, new QLabel), label(static_cast<QLabel*>(Widget())), style(*label) {
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QString Label::Text() const { return text; }

void Label::SetText(const QString& newText) {
    text = newText;
    // Carriage returns separate lines in the program's texts.
    label->setText(QString(newText).replace('\r', '\n'));
}

void Label::SetTextAlign(int align) {
    const Qt::Alignment horizontal = align == 1   ? Qt::AlignHCenter
                                     : align == 2 ? Qt::AlignRight
                                                  : Qt::AlignLeft;
    label->setAlignment(horizontal | (label->wordWrap() ? Qt::AlignTop : Qt::AlignVCenter));
}

std::vector<Property> Label::Properties() {
    std::vector<Property> p = RectControl::Properties();
    p.push_back(StringProperty("Text", [this](const QString& v) { SetText(v); }));
    p.push_back(IntProperty("TextAlign", [this](qint32 v) { SetTextAlign(v); }));
    p.push_back(ColorProperty("TextColor", [this](const QColor& c) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, c);
        label->setPalette(palette);
    }));
    p.push_back(BoolProperty("Multiline", [this](bool v) {
        label->setWordWrap(v);
        label->setAlignment((label->alignment() & Qt::AlignHorizontal_Mask) |
                            (v ? Qt::AlignTop : Qt::AlignVCenter));
    }));
    p.push_back(BoolProperty("Selectable", [this](bool v) {
        label->setTextInteractionFlags(v ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    }));
    // Labels never paint a background of their own, so they look the same either way.
    p.push_back(IgnoredProperty("Transparent", PropertyType::Boolean));
    p.push_back(IgnoredProperty("DataSource", PropertyType::String));
    p.push_back(IgnoredProperty("DataField", PropertyType::String));
    style.AddProperties(p);
    return p;
}

} // namespace fw
