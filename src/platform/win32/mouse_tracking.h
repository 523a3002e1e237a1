#pragma once

#include "platform/win32/win.h"

namespace kvirlo::win32 {

// QUIRK(Wine), listed in docs/quirks.md.
// Ends the system's tracking of the mouse for `window` or a control in it,
// as the window is about to be hidden. A themed button under the pointer
// asks to hear when the mouse leaves it; hidden with the pointer still, it
// never hears (Wine then checks the pointer every 10 ms for as long as the
// program runs). It is told that the mouse has left, and the tracking ends.
void endMouseTrackingIn(HWND window);

}  // namespace kvirlo::win32
