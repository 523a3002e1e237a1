#pragma once

#include <optional>
#include <string>

#include "platform/services/shell.h"
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
// nothing, and so does a path that names no folder: the interpreter would
// take a bare word for one of its own commands.
std::optional<std::string> tunerCommandFile(ScriptDialect dialect, const std::string& quote,
                                            const SettingsRecord& settings);

// Writes the command file and starts it, minimised, without waiting; false
// when the tuner program is not there (no file, or on POSIX not one that may
// be run), or the file could not be made, written or started.
bool LaunchTuner(App& app);

}  // namespace kvirlo
