#pragma once

#include "platform/win32/win.h"

#include "platform/window/colour.h"

namespace kvirlo::win32 {

// The program's colours (0x00BBGGRR) as GDI takes them.
inline COLORREF colorOf(Colour c) { return RGB(redOf(c), greenOf(c), blueOf(c)); }

}  // namespace kvirlo::win32
