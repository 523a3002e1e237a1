#pragma once

#include <functional>
#include <string>

namespace kvirlo {

// The command interpreter that runs the program's command files.
enum class ScriptDialect {
  Cmd,  // Windows: cmd.exe, CR LF lines
  Sh,   // POSIX: /bin/sh, LF lines
};

// Starting things outside the program, without waiting for them.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual ScriptDialect dialect() = 0;
  // Runs a command file with the platform's command interpreter, minimised,
  // in `workingDirectory`. False when it could not be started.
  virtual bool runCommandFile(const std::string& path, const std::string& workingDirectory) = 0;
  // Opens a web address in the user's browser. `failed` is called, on the
  // user-interface thread and perhaps a moment later, when nothing opened it.
  virtual void openWebAddress(const std::string& address, std::function<void()> failed) = 0;
};

}  // namespace kvirlo
