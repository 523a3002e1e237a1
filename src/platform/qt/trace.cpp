#include "platform/qt/trace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace kvirlo::qt {

void trace(const std::string& what, const std::string& window) {
  static const char* path = std::getenv("KVIRLO_TRACE");
  if (!path || !*path) return;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const long long ms = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
  if (std::FILE* f = std::fopen(path, "a")) {
    std::fprintf(f, "%s %s %lld.%03lld\n", what.c_str(), window.c_str(), ms / 1000, ms % 1000);
    std::fclose(f);
  }
}

}  // namespace kvirlo::qt
