// Canvases.
#include "framework/Canvas.h"

#include "framework/Graphics.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace fw {

namespace {

class CanvasWidget : public QWidget {
public:
    explicit CanvasWidget(Canvas& owner) : canvas(owner) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!canvas.Paint) return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::TextAntialiasing);
        Graphics g(painter);
        const QRegion& region = event->region();
        canvas.Paint(g, std::vector<QRect>(region.begin(), region.end()));
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (!canvas.MouseDown) {
            event->ignore(); // on to the parent, in the parent's coordinates
            return;
        }
        const QPoint at = event->position().toPoint();
        canvas.MouseDown(at.x(), at.y());
        event->accept();
    }

private:
    Canvas& canvas;
};

} // namespace

Canvas::Canvas(Window& ownerWindow) : RectControl(ownerWindow, new CanvasWidget(*this)) {
    UpdateFocusPolicy();
}

std::vector<Property> Canvas::Properties() {
    std::vector<Property> p = RectControl::Properties();
    p.push_back(BoolProperty("AcceptFocus", [this](bool v) {
        acceptFocus = v;
        UpdateFocusPolicy();
    }));
    // Qt always double-buffers and leaves unpainted pixels to what lies beneath;
    // a focus ring and tab keys mean nothing to a canvas that takes no focus.
    for (const char* name : {"UseFocusRing", "AcceptTabs", "DoubleBuffer", "EraseBackground"})
        p.push_back(IgnoredProperty(name, PropertyType::Boolean));
    return p;
}

} // namespace fw
