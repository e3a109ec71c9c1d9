// Font resolution.
#include "framework/Font.h"

#include <QApplication>
#include <cmath>

namespace fw {

QFont MakeFont(const FontSpec& spec) {
    // "System" is the desktop's own user-interface font.
    QFont font = spec.family.isEmpty() || spec.family == QLatin1String("System")
                     ? QApplication::font()
                     : QFont(spec.family);
    if (spec.size > 0) font.setPixelSize(int(std::lround(spec.size)));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    return font;
}

} // namespace fw
