// The layout records of windows and controls, each listing its class's entries
// in the class's fixed order. Every record of one class lists the same
// entries; what differs comes from the window's settings or the control's row.
#pragma once

#include "framework/DesignTable.h"

#include <QByteArray>

namespace fw {

// A window's own settings, written with designated initialisers:
// WindowRecord({.width = 680, .height = 463, .title = "Quorvex"}).
struct WindowSettings {
    int width = 0, height = 0;
    const char* title = "";
    int frame = 0; // 0 a document window, 1 a movable modal window
    bool visible = true;
    bool closeButton = true;
    bool resizeable = false;
    bool maximizeButton = false;
    bool minimizeButton = true;
    bool menuBarVisible = true;
};
QByteArray WindowRecord(const WindowSettings& s);

QByteArray RectangleRecord(const ControlRow& row);
QByteArray CanvasRecord(const ControlRow& row);
QByteArray SeparatorRecord(const ControlRow& row);
QByteArray PushButtonRecord(const ControlRow& row);
QByteArray LabelRecord(const ControlRow& row);
QByteArray TimerRecord(const ControlRow& row);
QByteArray ProgressBarRecord(const ControlRow& row);
// An editable, styled, multi-line text area with a border and a vertical scroll bar.
QByteArray TextAreaRecord(const ControlRow& row);
QByteArray HTTPSocketRecord(const ControlRow& row);

} // namespace fw
