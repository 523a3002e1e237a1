#include "platform/win32/shell.h"

#include "platform/win32/win.h"
#include <shellapi.h>

#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {

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

}  // namespace kvirlo::win32
