// Font settings of text controls.
#include "framework/TextStyle.h"

#include <QWidget>

namespace fw {

void TextStyle::SetTextSize(double size) {
    spec.size = size;
    Apply();
}

void TextStyle::SetTextUnit(int unit) {
    if (unit != 0)
        throw LayoutRecordError("TextUnit " + std::to_string(unit) + " is not supported");
}

void TextStyle::Apply() { widget.setFont(MakeFont(spec)); }

void TextStyle::AddProperties(std::vector<Property>& p) {
    p.push_back(StringProperty("TextFont", [this](const QString& v) {
        spec.family = v;
        Apply();
    }));
    p.push_back(BoolProperty("Bold", [this](bool v) {
        spec.bold = v;
        Apply();
    }));
    p.push_back(BoolProperty("Italic", [this](bool v) {
        spec.italic = v;
        Apply();
    }));
    p.push_back(BoolProperty("Underline", [this](bool v) {
        spec.underline = v;
        Apply();
    }));
}

} // namespace fw
