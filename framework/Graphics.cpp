// Drawing text on a canvas or a page.
#include "framework/Graphics.h"

#include "framework/Font.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace fw {

Graphics::Graphics(QPainter& p, QPagedPaintDevice* pagedDevice) : painter(p), page(pagedDevice) {}

void Graphics::DrawString(const QString& text, int x, int y) {
    FontSpec spec;
    spec.family = TextFont;
    spec.size = TextSize;
    spec.bold = Bold;
    painter.setFont(MakeFont(spec));
    painter.setPen(ForeColor);
    painter.drawText(QPoint(x, y), text);
}

void Graphics::NextPage() {
    if (page) page->newPage();
}

} // namespace fw
