#pragma once

#include "platform/services/process.h"

namespace kvirlo::qt {

// Ends the program at once.
class LinuxProcess : public Process {
 public:
  [[noreturn]] void end() override;
};

}  // namespace kvirlo::qt
