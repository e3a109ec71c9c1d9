// A drawing context over a QPainter, for canvases and printed pages.
#pragma once

#include <QColor>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace fw {

class Graphics {
public:
    // page is the device to advance on NextPage; null for a canvas.
    explicit Graphics(QPainter& painter, QPagedPaintDevice* page = nullptr);
    virtual ~Graphics() = default;

    QString TextFont = QStringLiteral("System");
    double TextSize = 12;
    bool Bold = false;
    QColor ForeColor = Qt::black;

    // Draws text with its baseline at y and its left edge at x. Text wider than
    // a wrap width above 0 is wrapped at word boundaries below the first line,
    // or, with condense, squeezed onto one line of that width. The program
    // passes neither: its text is drawn on one line as it is.
    void DrawString(const QString& text, int x, int y, int wrapWidth = 0, bool condense = false);
    // Ends the page; later drawing goes to a new one.
    void NextPage();

    QPainter& Painter() { return painter; }

private:
    QPainter& painter;
    QPagedPaintDevice* page;
};

} // namespace fw
