#pragma once

#include "platform/services/paths.h"

namespace kvirlo::win32 {

class Win32Paths : public Paths {
 public:
  std::string windowsDirectory() override;
  std::string programDirectory() override;
  std::string executableBaseName() override;
  std::string executableExtension() override;
  std::string settingsFallbackDirectory() override;
  char separator() override { return '\\'; }
};

}  // namespace kvirlo::win32
