// System services as the program calls them; each goes through the platform seam.
#pragma once

#include <QString>
#include <cstdint>

namespace fw {

void MsgBox(const QString& text);
void Beep();
void ShowURL(const QString& url);
// 60 a second, from a monotonic clock.
std::int64_t Ticks();

} // namespace fw
