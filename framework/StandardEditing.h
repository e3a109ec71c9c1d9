// The standard Edit items (undo, cut, copy, paste, delete, select all), which
// act on the focused text control of the active window.
#pragma once

#include <QString>

namespace fw {

bool IsStandardEditItem(const QString& itemName);
// Whether the item can act now on the focused text control.
bool CanPerformEdit(const QString& itemName);
void PerformEdit(const QString& itemName);

} // namespace fw
