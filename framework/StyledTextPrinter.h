// Prints a text document in blocks of whole lines, page by page: a copy of
// the document laid out in the page's units at a given width, in the body
// font of the drawing context.
#pragma once

#include <QColor>
#include <QPointF>
#include <QTextLine>
#include <memory>
#include <vector>

class QTextDocument;

namespace fw {

class Graphics;

class StyledTextPrinter {
public:
    // Takes the font and colour that g has now.
    StyledTextPrinter(const QTextDocument& source, Graphics& g, int width);
    ~StyledTextPrinter();
    StyledTextPrinter(const StyledTextPrinter&) = delete;
    StyledTextPrinter& operator=(const StyledTextPrinter&) = delete;

    // Draws, with its top left at (x, y), as many whole lines as fit into
    // height, going on from where the previous block ended.
    void DrawBlock(int x, int y, int height);
    // Whether everything has been drawn (EOF itself is a macro of <cstdio>).
    bool Eof() const { return next >= lines.size(); }

private:
    struct Line {
        QTextLine line;
        QPointF origin; // of its block's layout, in document coordinates
        double top, bottom;
    };

    Graphics& graphics;
    QColor color;
    std::unique_ptr<QTextDocument> document;
    std::vector<Line> lines;
    std::size_t next = 0;
};

} // namespace fw
