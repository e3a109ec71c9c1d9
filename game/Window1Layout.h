// The main window's design: its settings and its 58 controls, in the order
// in which they are created.
#pragma once

#include <QByteArray>
#include <array>

namespace Window1Layout {

enum class Kind { Rectangle, Canvas, Separator, PushButton, Label, Timer };

struct Row {
    const char* name;
    int index; // element of a control array, or -1
    Kind kind;
    const char* inside; // the container's name ("Rectangle1$1"), empty for the window
    int left, top, width, height;
    const char* text; // caption or label text
    int size;         // text size
    int align;        // 0 left, 1 centre, 2 right
    bool enabled;
    int tab;
};

extern const std::array<Row, 58> Controls;

QByteArray WindowRecord();
// The layout record of one control row.
QByteArray RecordOf(const Row& row);

} // namespace Window1Layout
