// Text areas.
#include "framework/TextArea.h"

#include <QApplication>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace fw {

TextArea::TextArea(Window& ownerWindow)
    : RectControl(ownerWindow, new QTextEdit), edit(static_cast<QTextEdit*>(Widget())),
      style(*edit) {
    // Pasted or dropped markup comes in as its plain text.
    edit->setAcceptRichText(false);
    edit->setLineWrapMode(QTextEdit::WidgetWidth);
}

QString TextArea::Text() const { return edit->toPlainText().replace('\n', '\r'); }

void TextArea::SetText(const QString& text) {
    // Carriage returns break lines; a stray CR LF pair is one break.
    edit->setPlainText(
        QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n'));
    ApplyBlockFormat();
}

void TextArea::SetLineSpacing(double spacing) {
    lineSpacing = spacing;
    ApplyBlockFormat();
}

std::unique_ptr<StyledTextPrinter> TextArea::styledTextPrinter(Graphics& g, int width) const {
    return std::make_unique<StyledTextPrinter>(*edit->document(), g, width);
}

void TextArea::ApplyBlockFormat() {
    if (alignment == Qt::Alignment() && lineSpacing == 1.0)
        return; // what a fresh document has already
    QTextBlockFormat format;
    if (alignment != Qt::Alignment()) format.setAlignment(alignment);
    format.setLineHeight(lineSpacing * 100, QTextBlockFormat::ProportionalHeight);
    // A format set by the program is no edit that the user could undo.
    QTextDocument* document = edit->document();
    document->setUndoRedoEnabled(false);
    QTextCursor all(document);
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(format);
    document->setUndoRedoEnabled(true);
}

// Without the focus, QTextEdit draws the selection in the palette's Inactive
// highlight colours; hidden, it draws as the plain text on nothing at all.
void TextArea::ApplyUnfocusedSelection() {
    QPalette palette = edit->palette();
    const QPalette shown = QApplication::palette(edit);
    palette.setBrush(QPalette::Inactive, QPalette::Highlight,
                     hideSelection ? QBrush(Qt::transparent)
                                   : shown.brush(QPalette::Inactive, QPalette::Highlight));
    palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                     hideSelection ? palette.brush(QPalette::Inactive, QPalette::Text)
                                   : shown.brush(QPalette::Inactive, QPalette::HighlightedText));
    edit->setPalette(palette);
}

std::vector<Property> TextArea::Properties() {
    std::vector<Property> p = RectControl::Properties();
    p.push_back(StringProperty("Text", [this](const QString& v) { SetText(v); }));
    p.push_back(BoolProperty("ReadOnly", [this](bool v) { edit->setReadOnly(v); }));
    p.push_back(BoolProperty("AcceptTabs", [this](bool v) { edit->setTabChangesFocus(!v); }));
    // 0 is the default (left), 1 left, 2 centred, 3 right.
    p.push_back(IntProperty("Alignment", [this](qint32 v) {
        alignment = v == 2 ? Qt::AlignHCenter : v == 3 ? Qt::AlignRight : Qt::Alignment();
        ApplyBlockFormat();
    }));
    p.push_back(ColorProperty("BackColor", [this](const QColor& c) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, c);
        edit->setPalette(palette);
    }));
    p.push_back(ColorProperty("TextColor", [this](const QColor& c) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Text, c);
        edit->setPalette(palette);
        ApplyUnfocusedSelection(); // a hidden selection's text keeps the text colour
    }));
    p.push_back(BoolProperty("Border", [this](bool v) {
        edit->setFrameShape(v ? QFrame::StyledPanel : QFrame::NoFrame);
    }));
    // Always on when asked for, so the wrap width never jumps as the text grows.
    p.push_back(BoolProperty("ScrollbarVertical", [this](bool v) {
        edit->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    }));
    // Without a horizontal scroll bar the lines wrap at the area's width.
    p.push_back(BoolProperty("ScrollbarHorizontal", [this](bool v) {
        edit->setLineWrapMode(v ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
        edit->setHorizontalScrollBarPolicy(v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    }));
    // A single-line field and a length limit are other controls' business.
    p.push_back(BoolProperty("Multiline", [](bool v) {
        if (!v) throw LayoutRecordError("a TextArea is always multi-line");
    }));
    p.push_back(IntProperty("LimitText", [](qint32 v) {
        if (v != 0) throw LayoutRecordError("TextArea takes no LimitText but 0 (no limit)");
    }));
    // Input masks and number formats only ever apply to single-line fields.
    p.push_back(IgnoredProperty("Mask", PropertyType::String));
    p.push_back(IgnoredProperty("Format", PropertyType::String));
    // No data binding here.
    p.push_back(IgnoredProperty("DataSource", PropertyType::String));
    p.push_back(IgnoredProperty("DataField", PropertyType::String));
    // Qt has no spell checker of its own.
    p.push_back(IgnoredProperty("AutomaticallyCheckSpelling", PropertyType::Boolean));
    // The desktop style draws the focus frame.
    p.push_back(IgnoredProperty("UseFocusRing", PropertyType::Boolean));
    p.push_back(BoolProperty("HideSelection", [this](bool v) {
        hideSelection = v;
        ApplyUnfocusedSelection();
    }));
    // The document holds styled text either way; what comes in is always plain.
    p.push_back(IgnoredProperty("Styled", PropertyType::Boolean));
    style.AddProperties(p);
    return p;
}

} // namespace fw
