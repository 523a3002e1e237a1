// The Windows program: Win32 windows and services around the program's core.

#include "platform/win32/win.h"
#include <commctrl.h>

#include "app/Program.h"
#include "platform/win32/SingleInstance.h"
#include "platform/win32/connect_system.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32ViewFactory.h"
#include "platform/win32/handles.h"

namespace {

// The windows are laid out in twips for an 8-point face.
HFONT makeFont(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  LOGFONTW face{};
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    face = metrics.lfMessageFont;
  else
    lstrcpynW(face.lfFaceName, L"Tahoma", LF_FACESIZE);
  face.lfHeight = -MulDiv(8, dpi, 72);
  face.lfWidth = 0;
  face.lfCharSet = DEFAULT_CHARSET;
  return CreateFontIndirectW(&face);
}

int screenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  kvirlo::win32::SingleInstance instance;
  if (!instance.first()) {
    kvirlo::win32::SingleInstance::knock();
    return 0;
  }

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                     ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  const int dpi = screenDpi();
  kvirlo::win32::FontHandle font(makeFont(dpi));
  kvirlo::win32::Win32ViewFactory views(kvirlo::Scale{dpi / 96.0}, font.get());
  kvirlo::Program program(views);
  kvirlo::win32::Win32Services system(program.gate());
  program.open(system.services());
  kvirlo::win32::connectToSystem(program, system);
  program.run();

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (kvirlo::win32::WindowView::navigationKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    // Between messages no window procedure runs: unloaded windows go now.
    program.collectGarbage();
  }
  program.close();  // the windows go while the services they use are still there
  return 0;
}
