#pragma once

namespace kvirlo {

class App;

// Reads the settings file into the settings and applies them to the main
// window and the indicator. Nothing is reported: a missing, short or damaged
// file leaves the defaults for whatever it does not hold.
void LoadSettings(App& app);

// Writes the whole settings file from the settings and the windows' current
// positions, replacing the old file only with a complete new one. Where the
// Windows directory takes no writes, the file goes to the user's fallback
// folder, and from then on is read and written there. False when it could
// not be written anywhere.
bool SaveSettings(App& app);

}  // namespace kvirlo
