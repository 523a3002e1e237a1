#include "platform/win32/paths.h"

#include "platform/win32/win.h"
#include <shlobj.h>

#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {
namespace {

std::wstring modulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);  // a long path was cut: ask again
  }
}

std::wstring fileName() {
  const std::wstring path = modulePath();
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string Win32Paths::windowsDirectory() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const UINT n = GetWindowsDirectoryW(buffer, MAX_PATH);
  if (n == 0 || n > MAX_PATH) return {};
  std::wstring folder(buffer, n);
  while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return utf8(folder);
}

std::string Win32Paths::programDirectory() {
  const std::wstring path = modulePath();
  const auto slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {};
  // "C:\" keeps its separator; any other folder loses it.
  const bool root = slash == 2 && path.size() > 1 && path[1] == L':';
  return utf8(path.substr(0, root ? slash + 1 : slash));
}

std::string Win32Paths::executableBaseName() {
  const std::wstring name = fileName();
  const auto dot = name.find_last_of(L'.');
  return utf8(dot == std::wstring::npos ? name : name.substr(0, dot));
}

std::string Win32Paths::executableExtension() {
  const std::wstring name = fileName();
  const auto dot = name.find_last_of(L'.');
  return dot == std::wstring::npos ? std::string() : utf8(name.substr(dot));
}

std::string Win32Paths::settingsFallbackDirectory() {
  // The older call of the two the shell offers: the newer one hands back COM
  // memory, and COM then stays loaded for good.
  const Library shell(L"shell32.dll");
  const auto folderPath = shell.function<decltype(SHGetFolderPathW)>("SHGetFolderPathW");
  wchar_t roaming[MAX_PATH] = {};
  if (!folderPath ||
      FAILED(folderPath(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, roaming)))
    return {};
  std::wstring folder = std::wstring(roaming) + L"\\Kvirlo";
  CreateDirectoryW(folder.c_str(), nullptr);  // already there is fine
  return utf8(folder);
}

}  // namespace kvirlo::win32
