// The help window's design: its settings, its one text area and the text
// that the text area shows when the window is built.
#pragma once

#include <QByteArray>

namespace HelpLayout {

QByteArray WindowRecord();
QByteArray TextArea1Record();

extern const char* const HelpText;

} // namespace HelpLayout
