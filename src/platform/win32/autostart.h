#pragma once

#include <string>

#include "platform/services/autostart.h"

namespace kvirlo::win32 {

// Start at logon: a value under the current user's Run key.
class RunKeyAutostart : public Autostart {
 public:
  static constexpr const wchar_t* kKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  void add(const std::string& name, const std::string& executablePath) override;
  void remove(const std::string& name) override;
  // The value's data: the path quoted, so that a folder with blanks in its
  // name is not taken for a program and its arguments.
  static std::wstring commandFor(const std::string& executablePath);
};

}  // namespace kvirlo::win32
