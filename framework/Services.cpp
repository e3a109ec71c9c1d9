// System services over the platform seam.
#include "framework/Services.h"

#include "framework/Platform.h"

namespace fw {

void MsgBox(const QString& text) { Platform::Current().MsgBox(text); }
void Beep() { Platform::Current().Beep(); }
void ShowURL(const QString& url) { Platform::Current().ShowURL(url); }
std::int64_t Ticks() { return Platform::Current().Ticks(); }

} // namespace fw
