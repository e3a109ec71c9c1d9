// Clicks at a point of a window's content area, routed as a real press is:
// to the deepest widget there that takes mouse events, in its own coordinates.
#pragma once

#include "framework/Window.h"

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
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier,
                      target->mapFrom(window.Content(), at));
}
