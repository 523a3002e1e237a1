#pragma once

#include "platform/win32/win.h"

#include <optional>
#include <string>

#include "platform/services/autostart.h"
#include "platform/services/user_store.h"

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

// The per-user store: string values under HKCU\Software\Kvirlo\Config.
class RegistryStore : public UserStore {
 public:
  static constexpr const wchar_t* kKey = L"Software\\Kvirlo\\Config";
  std::string get(const std::string& key) override;
  void set(const std::string& key, const std::string& value) override;
};

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
