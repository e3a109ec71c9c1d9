// The About box's design: its settings and its six controls, in the order in
// which they are created.
#pragma once

#include <QByteArray>
#include <array>

namespace AboutBoxLayout {

enum class Kind { PushButton, Label };

struct Row {
    const char* name;
    Kind kind;
    int left, top, width, height;
    const char* text; // caption or label text
    const char* font;
    int size; // text size; 0 leaves the font's default
    bool bold;
    int align; // labels: 0 left, 1 centre, 2 right
    bool multiline;
    int tab;
};

extern const std::array<Row, 6> Controls;

QByteArray WindowRecord();
// The layout record of one control row.
QByteArray RecordOf(const Row& row);

} // namespace AboutBoxLayout
