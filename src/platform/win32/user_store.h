#pragma once

#include "platform/services/user_store.h"

namespace kvirlo::win32 {

// The per-user store: string values under HKCU\Software\Kvirlo\Config.
class RegistryStore : public UserStore {
 public:
  static constexpr const wchar_t* kKey = L"Software\\Kvirlo\\Config";
  std::string get(const std::string& key) override;
  void set(const std::string& key, const std::string& value) override;
};

}  // namespace kvirlo::win32
