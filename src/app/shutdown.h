#pragma once

namespace kvirlo {

class App;

// The one way out: saves the settings, removes the tray icon and the
// autostart entry, marks the store "OFF" and ends the program at once.
[[noreturn]] void ExitProgram(App& app);

// Nothing waits any more: the autostart entry goes and the store says "OFF",
// so that no later start brings back a reminder that is over.
void forgetPendingReminder(App& app);

}  // namespace kvirlo
