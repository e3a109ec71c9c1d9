// Drawing text on a canvas or a page.
#include "framework/Graphics.h"

#include "framework/Font.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <limits>

namespace fw {

Graphics::Graphics(QPainter& p, QPagedPaintDevice* pagedDevice) : painter(p), page(pagedDevice) {}

void Graphics::DrawString(const QString& text, int x, int y, int wrapWidth, bool condense) {
    FontSpec spec;
    spec.family = TextFont;
    spec.size = TextSize;
    spec.bold = Bold;
    painter.setFont(MakeFont(spec));
    painter.setPen(ForeColor);
    const QFontMetrics metrics(painter.font());
    const int width = metrics.horizontalAdvance(text);
    if (wrapWidth <= 0 || width <= wrapWidth) {
        painter.drawText(QPoint(x, y), text);
    } else if (condense) {
        // Squeezed sideways onto one line of the wrap width.
        painter.save();
        painter.translate(x, y);
        painter.scale(double(wrapWidth) / width, 1.0);
        painter.drawText(QPoint(0, 0), text);
        painter.restore();
    } else {
        // Wrapped at word boundaries; the first line's baseline stays at y.
        const QRect lines(x, y - metrics.ascent(), wrapWidth, std::numeric_limits<int>::max() / 2);
        painter.drawText(lines, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    }
}

void Graphics::NextPage() {
    if (page) page->newPage();
}

} // namespace fw
