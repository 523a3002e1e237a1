#pragma once

namespace kvirlo {
class Program;
}

namespace kvirlo::qt {

class LinuxServices;
class SingleInstance;

// What the system says to the program as a whole reaches it: the tray icon's
// clicks, a second copy's knock, a polite end (SIGTERM at shutdown, SIGHUP,
// Ctrl+C) and the session's logout.
void connectToSystem(Program& program, LinuxServices& system, SingleInstance& instance);

}  // namespace kvirlo::qt
