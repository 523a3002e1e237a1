#pragma once

#include "app/App.h"
#include "platform/event_gate.h"
#include "platform/win32/Win32Services.h"

namespace kvirlo::win32 {

// What the system says to the program as a whole reaches it: the tray icon's
// clicks, a second copy's knock, the end of the session.
void connectToSystem(App& app, Win32Services& system, EventGate& gate);

}  // namespace kvirlo::win32
