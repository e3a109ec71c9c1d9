// Builders of the layout records of windows and controls, each listing its
// class's entries in the class's fixed order. The defaults are the settings
// that nearly every record of the program shares.
#pragma once

#include "framework/LayoutRecord.h"

#include <QString>

namespace fw {

struct WindowSettings {
    int width = 0, height = 0;
    QString title;
    int frame = 0;
    bool visible = true;
    bool closeButton = true;
    bool resizeable = false;
    bool maximizeButton = false;
    bool minimizeButton = true;
    bool menuBarVisible = true;
};
QByteArray WindowRecord(const WindowSettings& s);

// Where a control stands, in window coordinates, and what contains it
// ("Name" or "Name$index"; empty for the window itself).
struct Placement {
    QString name;
    qint32 index = NoIndex;
    int left = 0, top = 0, width = 0, height = 0;
    int tabIndex = 0;
    QString inside;
    bool enabled = true;
};

// A control directly in the window, not part of a control array.
Placement At(const QString& name, int left, int top, int width, int height, int tabIndex);

struct TextSettings {
    QString font = QStringLiteral("Arial");
    bool bold = true;
};

QByteArray RectangleRecord(const Placement& p);
QByteArray CanvasRecord(const Placement& p);
QByteArray SeparatorRecord(const Placement& p);
QByteArray PushButtonRecord(const Placement& p, const QString& caption, const TextSettings& text,
                            bool isDefault = false, bool isCancel = false);
// align: 0 left, 1 centre, 2 right.
QByteArray LabelRecord(const Placement& p, const QString& text, int align,
                       const TextSettings& style, bool multiline = false);
QByteArray TimerRecord(int mode, int period);
QByteArray ProgressBarRecord(const Placement& p, int maximum, int value);
// An editable, styled, multi-line text area with a border and a vertical scroll bar.
QByteArray TextAreaRecord(const Placement& p, const QString& text, const TextSettings& style);

} // namespace fw
