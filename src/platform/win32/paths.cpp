#include "platform/win32/paths.h"

#include "platform/win32/win.h"
#include <shellapi.h>
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

bool Win32Shell::runCommandFile(const std::string& path, const std::string& workingDirectory) {
  const std::wstring file = wide(path);
  const std::wstring folder = wide(workingDirectory);
  // The file goes by its name in the folder it runs in, so that nothing of
  // the folder's name reaches cmd.exe's command line, where "%" would act.
  std::wstring prefix = folder;
  if (!prefix.empty() && prefix.back() != L'\\') prefix += L'\\';
  if (file.size() <= prefix.size() || file.compare(0, prefix.size(), prefix) != 0) return false;
  const std::wstring name = file.substr(prefix.size());
  if (name.find_first_not_of(L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789~._-") !=
      std::wstring::npos)
    return false;
  wchar_t system[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  const std::wstring interpreter = std::wstring(system, length) + L"\\cmd.exe";
  // cmd.exe by its own switches rather than by the file's association: /D
  // leaves out the AutoRun commands of the registry, which run first and
  // may change the folder so that the file's "del ~.cmd" misses it; /V:OFF
  // keeps "!" a plain character, whatever the registry says about delayed
  // expansion, which would turn an "!name!" in a tuner path into a value.
  const std::wstring parameters = L"/D /V:OFF /C .\\" + name;
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  info.lpFile = interpreter.c_str();
  info.lpParameters = parameters.c_str();
  info.lpDirectory = folder.c_str();
  info.nShow = SW_SHOWMINIMIZED;  // minimised, with the focus
  const Library shell(L"shell32.dll");
  const auto execute = shell.function<decltype(ShellExecuteExW)>("ShellExecuteExW");
  return execute && execute(&info);
}

void Win32Shell::openWebAddress(const std::string& address, std::function<void()> failed) {
  std::wstring command = L"explorer " + wide(address);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINIMIZED;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return;
  }
  failed();
}

void Win32Process::end() { ExitProcess(0); }

}  // namespace kvirlo::win32
