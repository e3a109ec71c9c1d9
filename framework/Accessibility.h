// How assistive technology sees our windows: each announced by its title, as a
// window, or as a dialog when its frame makes it a modal window.
#pragma once

namespace fw {

// Lets the framework answer for its windows; the controls and Qt's own dialogs
// keep the interfaces that Qt gives them.
void InstallAccessibility();

} // namespace fw
