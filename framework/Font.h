// Turns the program's font settings into a QFont. Sizes are pixels on screen
// (the program was drawn where a point was a pixel) and points on paper,
// where the page's units are points.
#pragma once

#include <QFont>
#include <QString>

namespace fw {

struct FontSpec {
    QString family = QStringLiteral("System");
    double size = 0; // 0: the family's default size
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

QFont MakeFont(const FontSpec& spec);

} // namespace fw
