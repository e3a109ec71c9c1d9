// Separators.
#include "framework/Separator.h"

#include <QPainter>
#include <QWidget>

namespace fw {

namespace {

class SeparatorWidget : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        // A separator looks the same enabled or not.
        if (height() >= width())
            p.fillRect(0, 0, 1, height(), Separator::LineColor);
        else
            p.fillRect(0, 0, width(), 1, Separator::LineColor);
    }
};

} // namespace

Separator::Separator(Window& ownerWindow) : RectControl(ownerWindow, new SeparatorWidget) {
    Widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
    Widget()->setFocusPolicy(Qt::NoFocus);
}

} // namespace fw
