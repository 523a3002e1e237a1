#pragma once

#include <optional>
#include <string>

#include "platform/shell.h"
#include "settings/SettingsRecord.h"

namespace kvirlo {

class App;

inline constexpr const char* kCommandFileName = "~.cmd";

// The command file that starts the tuner: its first line runs the tuner
// program (its path between two `quote` texts) with the mode, the channel,
// the full-screen switch and "-wu"; its second removes the file.
//
// Every value reaches the tuner as plain text: characters the interpreter
// would act on are escaped for it. A value that cannot be passed that way
// (a line break, a NUL, or a double quote within the quoted path) gives
// nothing.
std::optional<std::string> tunerCommandFile(ScriptDialect dialect, const std::string& quote,
                                            const SettingsRecord& settings);

// Writes the command file and starts it, minimised, without waiting; false
// when the file could not be made, written or started.
bool LaunchTuner(App& app);

}  // namespace kvirlo
