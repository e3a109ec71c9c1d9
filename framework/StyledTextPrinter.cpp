// Printing a document in blocks of whole lines.
#include "framework/StyledTextPrinter.h"

#include "framework/Font.h"
#include "framework/Graphics.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace fw {

StyledTextPrinter::StyledTextPrinter(const QTextDocument& source, Graphics& g, int width)
    : graphics(g), color(g.ForeColor), document(source.clone()) {
    FontSpec spec;
    spec.family = g.TextFont;
    spec.size = g.TextSize;
    spec.bold = g.Bold;
    const QFont font = MakeFont(spec);

    // The context's body font replaces the screen font everywhere; the text is
    // plain, so there are no styles of its own to keep.
    document->setDefaultFont(font);
    QTextCursor all(document.get());
    all.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setFont(font);
    all.mergeCharFormat(format);

    // Design metrics keep the screen's hinting out of the line breaks on paper.
    document->setUseDesignMetrics(true);
    document->setDocumentMargin(0);
    document->setTextWidth(width);
    document->documentLayout()->documentSize(); // lays out the whole document now

    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const double top = layout->position().y() + line.y();
            lines.push_back({line, layout->position(), top, top + line.height()});
        }
    }
    // Empty lines at the end print nothing, so they must not cost a page.
    while (!lines.empty() && lines.back().line.textLength() == 0)
        lines.pop_back();
}

StyledTextPrinter::~StyledTextPrinter() = default;

void StyledTextPrinter::DrawBlock(int x, int y, int height) {
    if (Eof()) return;
    const double top = lines[next].top;
    // The first line goes out even when it is taller than the block, so that
    // printing always comes to an end.
    std::size_t end = next + 1;
    while (end < lines.size() && lines[end].bottom - top <= height)
        ++end;

    QPainter& painter = graphics.Painter();
    painter.save();
    painter.setPen(color);
    for (; next < end; ++next) {
        const Line& l = lines[next];
        l.line.draw(&painter, QPointF(x + l.origin.x(), y + l.origin.y() - top));
    }
    painter.restore();
}

} // namespace fw
