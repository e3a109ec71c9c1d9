// A multi-line text area over QTextEdit. Its text is plain text, in which
// carriage returns break lines; markup is never interpreted.
#pragma once

#include "framework/Control.h"
#include "framework/StyledTextPrinter.h"
#include "framework/TextStyle.h"

#include <memory>

class QTextEdit;

namespace fw {

class Graphics;

class TextArea : public RectControl {
public:
    explicit TextArea(Window& ownerWindow);

    QString Text() const;
    void SetText(const QString& text);
    void SetTextUnit(int unit) { style.SetTextUnit(unit); }
    // 1.0 is single spacing.
    void SetLineSpacing(double spacing);

    // Lays a copy of the text out for printing on g in lines of the given width.
    std::unique_ptr<StyledTextPrinter> styledTextPrinter(Graphics& g, int width) const;

    QTextEdit* Editor() const { return edit; }

    std::vector<Property> Properties() override;

private:
    // Alignment and line spacing apply to every paragraph.
    void ApplyBlockFormat();
    // How the selection is drawn while the area does not have the focus.
    void ApplyUnfocusedSelection();

    QTextEdit* edit;
    TextStyle style;
    Qt::Alignment alignment;
    double lineSpacing = 1.0;
    bool hideSelection = false;
};

} // namespace fw
