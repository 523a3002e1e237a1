#pragma once

#include "platform/services/process.h"

namespace kvirlo::win32 {

class Win32Process : public Process {
 public:
  [[noreturn]] void end() override;
};

}  // namespace kvirlo::win32
