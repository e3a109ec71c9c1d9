// Reads what a word cell shows from a picture of the main window's content
// area: which ink its word is drawn in, and whether the word fits the cell.
#pragma once

#include <QColor>
#include <QImage>
#include <QMap>
#include <QRect>
#include <algorithm>

// The 100 by 100 frame of word cell i (0 to 8) in content coordinates.
inline QRect WordCellRect(int i) { return QRect(20 + 100 * (i % 3), 20 + 100 * (i / 3), 100, 100); }

// What the word of one cell left on the picture.
struct CellInk {
    QColor dominant;       // the commonest coloured pixel; invalid when none is coloured
    int coloured = 0;      // pixels that are neither white nor a grey
    int dark = 0;          // pixels with every channel below 64
    int rightmostInk = -1; // largest x, from the cell's left edge, of a non-white pixel
};

// Looks inside the frame only; greys are left out as they are what black
// text on white blends into at its edges.
inline CellInk ReadCell(const QImage& content, const QRect& cell) {
    CellInk ink;
    QMap<QRgb, int> counts;
    for (int y = cell.top() + 1; y < cell.bottom(); ++y) {
        for (int x = cell.left() + 1; x < cell.right(); ++x) {
            const QRgb p = content.pixel(x, y) & 0xFFFFFF;
            if (p == 0xFFFFFF) continue;
            ink.rightmostInk = std::max(ink.rightmostInk, x - cell.left());
            if (qRed(p) < 64 && qGreen(p) < 64 && qBlue(p) < 64) ++ink.dark;
            if (qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) continue;
            ++ink.coloured;
            ++counts[p];
        }
    }
    int best = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > best) {
            best = it.value();
            ink.dominant = QColor::fromRgb(it.key());
        }
    }
    return ink;
}

// True when the cell shows a word in `expected`: its dominant colour for a
// coloured ink, dark pixels and no colour at all for black.
inline bool ShowsInk(const CellInk& ink, const QColor& expected) {
    if (expected.rgb() == QColor(Qt::black).rgb()) return ink.dark > 0 && ink.coloured == 0;
    return ink.dominant.isValid() && ink.dominant.rgb() == expected.rgb();
}
