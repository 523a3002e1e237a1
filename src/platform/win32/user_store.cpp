#include "platform/win32/user_store.h"

#include "platform/win32/registry.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {

std::string RegistryStore::get(const std::string& key) {
  RegKey config(kKey, KEY_QUERY_VALUE, false);
  return utf8(config.string(wide(key)).value_or(L""));
}

void RegistryStore::set(const std::string& key, const std::string& value) {
  RegKey config(kKey, KEY_SET_VALUE, true);
  config.setString(wide(key), wide(value));
}

}  // namespace kvirlo::win32
