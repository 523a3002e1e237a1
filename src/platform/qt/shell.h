#pragma once

#include <functional>
#include <string>

#include "platform/window/event_gate.h"
#include "platform/services/shell.h"

namespace kvirlo::qt {

// Runs the tuner's command file and opens web addresses.
class QtShell : public Shell {
 public:
  explicit QtShell(EventGate& gate) : gate_(gate) {}
  ScriptDialect dialect() override { return ScriptDialect::Sh; }
  bool runCommandFile(const std::string& path, const std::string& workingDirectory) override;
  void openWebAddress(const std::string& address, std::function<void()> failed) override;

 private:
  EventGate& gate_;
};

}  // namespace kvirlo::qt
