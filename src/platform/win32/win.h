#pragma once

// Windows' headers, without the macros that would rename the program's own
// names (windows.h turns "MessageBox" into "MessageBoxW").
#include <windows.h>

#undef MessageBox
