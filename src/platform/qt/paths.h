#pragma once

#include <string>

#include "platform/services/paths.h"

namespace kvirlo::qt {

// The program's folders: its data folder under the XDG data home stands
// where the Windows program uses the Windows directory.
class LinuxPaths : public Paths {
 public:
  std::string windowsDirectory() override;
  std::string programDirectory() override;
  std::string executableBaseName() override;
  std::string executableExtension() override { return ""; }
  char separator() override { return '/'; }
};

}  // namespace kvirlo::qt
