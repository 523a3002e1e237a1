#pragma once

#include "platform/win32/win.h"

#include <optional>
#include <string>

namespace kvirlo::win32 {

// An open registry key, closed once.
class RegKey {
 public:
  // Opens (creating it when `create`) a key of the current user's hive.
  RegKey(const std::wstring& subKey, REGSAM access, bool create);
  ~RegKey();
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;

  explicit operator bool() const { return key_ != nullptr; }
  std::optional<std::wstring> string(const std::wstring& name) const;
  bool setString(const std::wstring& name, const std::wstring& value);
  bool remove(const std::wstring& name);

 private:
  HKEY key_ = nullptr;
};

}  // namespace kvirlo::win32
