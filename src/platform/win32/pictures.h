#pragma once

#include "platform/win32/win.h"

#include <string>

#include "platform/window/colour.h"

namespace kvirlo::win32 {

// The program's icon from its resources, at the small and large sizes.
HICON smallAppIcon();
HICON largeAppIcon();

// Draws one of the program's pictures ("bell", "close-box", "open-folder",
// "app") into `area`; an unknown name draws nothing.
void drawPicture(HDC dc, const RECT& area, const std::string& name);

// The alert's background: pale green with rings from its lower right corner.
void drawAlertBackground(HDC dc, const RECT& area);

}  // namespace kvirlo::win32
