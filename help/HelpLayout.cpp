// The help window's design table.
#include "help/HelpLayout.h"

#include "framework/Records.h"

namespace HelpLayout {

QByteArray WindowRecord() {
    fw::WindowSettings s;
    s.width = 400;
    s.height = 364;
    s.title = QStringLiteral("Help");
    s.resizeable = false;
    s.maximizeButton = false;
    s.minimizeButton = false;
    return fw::WindowRecord(s);
}

// A margin of 20 on every side of the window.
QByteArray TextArea1Record() {
    const fw::Placement p = fw::At(QStringLiteral("TextArea1"), 20, 20, 360, 324, 0);
    fw::TextSettings systemFont;
    systemFont.font = QStringLiteral("System");
    systemFont.bold = false;
    return fw::TextAreaRecord(p, QString::fromUtf8(HelpText), systemFont);
}

} // namespace HelpLayout
