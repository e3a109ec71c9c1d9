// Rectangles.
#include "framework/Rectangle.h"

#include <QPainter>
#include <QWidget>

namespace fw {

namespace {

class RectangleWidget : public QWidget {
public:
    explicit RectangleWidget(Rectangle& owner) : rectangle(owner) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), rectangle.FillColor);
        const int b = rectangle.BorderWidth;
        if (b <= 0) return;
        const int w = width(), h = height();
        p.fillRect(0, 0, w, b, rectangle.TopLeftColor);
        p.fillRect(0, 0, b, h, rectangle.TopLeftColor);
        p.fillRect(0, h - b, w, b, rectangle.BottomRightColor);
        p.fillRect(w - b, 0, b, h, rectangle.BottomRightColor);
    }

private:
    Rectangle& rectangle;
};

} // namespace

Rectangle::Rectangle(Window& ownerWindow) : RectControl(ownerWindow, new RectangleWidget(*this)) {
    Widget()->setFocusPolicy(Qt::NoFocus);
}

std::vector<Property> Rectangle::Properties() {
    std::vector<Property> p = RectControl::Properties();
    p.push_back(ColorProperty("FillColor", [this](const QColor& c) { FillColor = c; }));
    p.push_back(IntProperty("BorderWidth", [this](qint32 v) { BorderWidth = v; }));
    p.push_back(ColorProperty("TopLeftColor", [this](const QColor& c) { TopLeftColor = c; }));
    p.push_back(
        ColorProperty("BottomRightColor", [this](const QColor& c) { BottomRightColor = c; }));
    return p;
}

} // namespace fw
