#pragma once

namespace kvirlo {

class App;

// The one way out: saves the settings, removes the tray icon and the
// autostart entry, marks the store "OFF" and ends the program at once.
[[noreturn]] void ExitProgram(App& app);

}  // namespace kvirlo
