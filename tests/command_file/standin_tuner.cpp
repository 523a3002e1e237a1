// A stand-in for the TV tuner program: it records how it was started in the
// file named by KVIRLO_TUNER_LOG and does nothing else. On POSIX that is
// every argument, argv[0] included, each followed by a NUL; on Windows the
// command line as the program received it, in UTF-8.
#include <cstdio>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

int main(int argc, char** argv) {
  const char* log = std::getenv("KVIRLO_TUNER_LOG");
  if (!log) return 2;
  std::string record;
#ifdef _WIN32
  (void)argc;
  (void)argv;
  const wchar_t* line = GetCommandLineW();
  const int size = WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);
  record.resize(static_cast<std::size_t>(size > 0 ? size - 1 : 0));
  WideCharToMultiByte(CP_UTF8, 0, line, -1, record.data(), size, nullptr, nullptr);
#else
  for (int i = 0; i < argc; ++i) record.append(argv[i]).push_back('\0');
#endif
  std::FILE* file = std::fopen(log, "wb");
  if (!file) return 3;
  const bool whole = std::fwrite(record.data(), 1, record.size(), file) == record.size();
  return std::fclose(file) == 0 && whole ? 0 : 4;
}
