#pragma once

#include <string>

#include "platform/shell.h"

namespace kvirlo::qt {

// Runs the tuner's command file and opens web addresses.
class QtShell : public Shell {
 public:
  ScriptDialect dialect() override { return ScriptDialect::Sh; }
  bool runCommandFile(const std::string& path, const std::string& workingDirectory) override;
  void openWebAddress(const std::string& address) override;
};

}  // namespace kvirlo::qt
