#include "platform/win32/autostart.h"

#include "platform/win32/registry.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {

std::wstring RunKeyAutostart::commandFor(const std::string& executablePath) {
  return L"\"" + wide(executablePath) + L"\"";
}

void RunKeyAutostart::add(const std::string& name, const std::string& executablePath) {
  RegKey run(kKey, KEY_SET_VALUE, true);
  run.setString(wide(name), commandFor(executablePath));
}

void RunKeyAutostart::remove(const std::string& name) {
  RegKey run(kKey, KEY_SET_VALUE, false);
  run.remove(wide(name));
}

}  // namespace kvirlo::win32
