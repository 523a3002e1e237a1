#pragma once

#include "platform/services/paths.h"
#include "platform/services/process.h"
#include "platform/services/shell.h"

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

class Win32Shell : public Shell {
 public:
  ScriptDialect dialect() override { return ScriptDialect::Cmd; }
  bool runCommandFile(const std::string& path, const std::string& workingDirectory) override;
  void openWebAddress(const std::string& address, std::function<void()> failed) override;
};

class Win32Process : public Process {
 public:
  [[noreturn]] void end() override;
};

}  // namespace kvirlo::win32
