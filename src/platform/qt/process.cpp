#include "platform/qt/process.h"

#include <cstdio>
#include <cstdlib>

namespace kvirlo::qt {

void LinuxProcess::end() {
  std::fflush(nullptr);
  // At once: no window's close or unload step runs after the shutdown.
  std::_Exit(0);
}

}  // namespace kvirlo::qt
