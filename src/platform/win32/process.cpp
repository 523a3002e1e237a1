#include "platform/win32/process.h"

#include "platform/win32/win.h"

namespace kvirlo::win32 {

void Win32Process::end() { ExitProcess(0); }

}  // namespace kvirlo::win32
