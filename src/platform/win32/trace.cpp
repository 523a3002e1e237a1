#include "platform/win32/trace.h"

#include "platform/win32/win.h"

#include <cstdio>
#include <cstdlib>

namespace kvirlo::win32 {

void trace(const char* what, const std::string& window) {
  static const char* path = std::getenv("KVIRLO_TRACE");
  if (!path || !*path) return;
  FILETIME now;
  GetSystemTimePreciseAsFileTime(&now);
  const unsigned long long ticks =  // 100 ns since 1601
      (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  const unsigned long long us = (ticks - 116444736000000000ULL) / 10;
  if (std::FILE* f = std::fopen(path, "a")) {
    std::fprintf(f, "%s %s %llu.%03llu\n", what, window.c_str(), us / 1000, us % 1000);
    std::fclose(f);
  }
}

}  // namespace kvirlo::win32
