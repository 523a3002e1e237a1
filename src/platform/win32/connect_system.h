#pragma once

#include "platform/win32/Win32Services.h"

namespace kvirlo {
class Program;
}

namespace kvirlo::win32 {

// What the system says to the program as a whole reaches it: the tray icon's
// clicks, a second copy's knock, the end of the session.
void connectToSystem(Program& program, Win32Services& system);

}  // namespace kvirlo::win32
