// A stand-in for the TV tuner program: it records how it was started in the
// file named by KVIRLO_TUNER_LOG and does nothing else. On POSIX that is
// every argument, argv[0] included, each followed by a NUL; on Windows the
// command line as the program received it, then a line break and the
// command line of the program that started it (the interpreter), in UTF-8.
#include <cstdio>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#include <winternl.h>
#include <tlhelp32.h>

namespace {

std::string utf8(const wchar_t* text, int length) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
  return out;
}

// Read from the parent's own memory: Wine answers no shorter way.
std::string parentCommandLine() {
  DWORD parent = 0;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
    if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
  CloseHandle(snapshot);
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, parent);
  if (!process) return "?";
  PROCESS_BASIC_INFORMATION basic{};
  PEB peb{};
  RTL_USER_PROCESS_PARAMETERS parameters{};
  std::wstring line;
  ULONG size = 0;
  SIZE_T got = 0;
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &size) == 0 &&
      ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof peb, &got) &&
      ReadProcessMemory(process, peb.ProcessParameters, &parameters, sizeof parameters, &got)) {
    line.resize(parameters.CommandLine.Length / sizeof(wchar_t));
    if (!ReadProcessMemory(process, parameters.CommandLine.Buffer, line.data(),
                           parameters.CommandLine.Length, &got))
      line = L"?";
  }
  CloseHandle(process);
  return utf8(line.data(), static_cast<int>(line.size()));
}

}  // namespace
#endif

int main(int argc, char** argv) {
  const char* log = std::getenv("KVIRLO_TUNER_LOG");
  if (!log) return 2;
  std::string record;
#ifdef _WIN32
  (void)argc;
  (void)argv;
  const wchar_t* line = GetCommandLineW();
  record = utf8(line, static_cast<int>(wcslen(line))) + "\n" + parentCommandLine();
#else
  for (int i = 0; i < argc; ++i) record.append(argv[i]).push_back('\0');
#endif
  std::FILE* file = std::fopen(log, "wb");
  if (!file) return 3;
  const bool whole = std::fwrite(record.data(), 1, record.size(), file) == record.size();
  return std::fclose(file) == 0 && whole ? 0 : 4;
}
