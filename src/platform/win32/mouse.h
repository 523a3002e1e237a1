#pragma once

#include "platform/win32/win.h"

#include "platform/window/control.h"

namespace kvirlo::win32 {

// The program's numbers for the mouse buttons of Win32's mouse messages.
inline int buttonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: return buttons::Left;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: return buttons::Right;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: return buttons::Middle;
    default: return 0;
  }
}

inline int heldButtons(WPARAM w) {
  int held = 0;
  if (w & MK_LBUTTON) held |= buttons::Left;
  if (w & MK_RBUTTON) held |= buttons::Right;
  if (w & MK_MBUTTON) held |= buttons::Middle;
  return held;
}

inline bool isButtonDown(UINT m) { return m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN; }
inline bool isButtonUp(UINT m) { return m == WM_LBUTTONUP || m == WM_RBUTTONUP || m == WM_MBUTTONUP; }

}  // namespace kvirlo::win32
