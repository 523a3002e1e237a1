#pragma once

namespace kvirlo {

class App;

// Puts the program's icon into the notification area, owned by the hidden
// tray window: one icon, number 1, tip "Квирло".
void AddTrayIcon(App& app);

}  // namespace kvirlo
