// Clicks at a point of a window's content area, routed as a real press is:
// to the deepest widget there that takes mouse events, in its own coordinates;
// and what the content area shows on screen.
#pragma once

#include "framework/Window.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QWidget>

// The widget that a real press at `at` (content coordinates) lands on first.
inline QWidget* WidgetUnder(const fw::Window& window, QPoint at) {
    QWidget* content = window.Content();
    QWidget* target = content->childAt(at); // skips Qt::WA_TransparentForMouseEvents, children too
    return target ? target : content;
}

// A left click; a widget that ignores the press hands it on to its parent.
inline void ClickAt(const fw::Window& window, QPoint at) {
    QWidget* target = WidgetUnder(window, at);
    const QPoint local = target->mapFrom(window.Content(), at);
    if (!local.isNull()) {
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, local);
        return;
    }
    // QTest takes a null point for the widget's centre, so its very corner is clicked by hand.
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, local, target->mapToGlobal(local), Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
}

// The content area as it stands on screen once its pending redraws are done,
// in content coordinates: a control that was not asked to redraw shows stale pixels.
inline QImage OnScreen(const fw::Window& window) {
    QCoreApplication::processEvents();
    QWidget* top = window.Widget();
    const QRect content(window.Content()->mapTo(top, QPoint(0, 0)), window.Content()->size());
    return top->screen()
        ->grabWindow(top->winId(), content.x(), content.y(), content.width(), content.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}
