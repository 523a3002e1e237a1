#include "platform/win32/registry.h"

#include <algorithm>


namespace kvirlo::win32 {

RegKey::RegKey(const std::wstring& subKey, REGSAM access, bool create) {
  HKEY key = nullptr;
  const LSTATUS status =
      create ? RegCreateKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, access, nullptr,
                               &key, nullptr)
             : RegOpenKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, access, &key);
  if (status == ERROR_SUCCESS) key_ = key;
}

RegKey::~RegKey() {
  if (key_) RegCloseKey(key_);
}

std::optional<std::wstring> RegKey::string(const std::wstring& name) const {
  if (!key_) return std::nullopt;
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(key_, name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  if ((type != REG_SZ && type != REG_EXPAND_SZ) || bytes > (1u << 20)) return std::nullopt;
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                       &size) != ERROR_SUCCESS)
    return std::nullopt;
  // The stored text need not end with a NUL, and may hold one early.
  value.resize(std::min<std::size_t>(value.size(), size / sizeof(wchar_t)));
  const auto end = value.find(L'\0');
  if (end != std::wstring::npos) value.resize(end);
  return value;
}

bool RegKey::setString(const std::wstring& name, const std::wstring& value) {
  if (!key_) return false;
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key_, name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(value.c_str()), bytes) == ERROR_SUCCESS;
}

bool RegKey::remove(const std::wstring& name) {
  return key_ && RegDeleteValueW(key_, name.c_str()) == ERROR_SUCCESS;
}

}  // namespace kvirlo::win32
