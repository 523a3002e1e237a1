#pragma once

#include "platform/services/shell.h"

namespace kvirlo::win32 {

class Win32Shell : public Shell {
 public:
  ScriptDialect dialect() override { return ScriptDialect::Cmd; }
  bool runCommandFile(const std::string& path, const std::string& workingDirectory) override;
  void openWebAddress(const std::string& address, std::function<void()> failed) override;
};

}  // namespace kvirlo::win32
