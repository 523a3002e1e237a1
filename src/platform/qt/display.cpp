#include "platform/qt/display.h"

#include <cstdio>
#include <cstdlib>

#include <xcb/xcb.h>

#include "platform/qt/wayland.h"

namespace kvirlo::qt {
namespace {

bool set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// A stale DISPLAY, or Xwayland not running, is found here, not by Qt,
// which would end the program on it.
bool xReachable() {
  if (!set("DISPLAY")) return false;
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  const bool reached = c && !xcb_connection_has_error(c);
  if (c) xcb_disconnect(c);
  return reached;
}

}  // namespace

bool chooseDisplay() {
  if (set("QT_QPA_PLATFORM")) return true;
  const bool x = xReachable();
  if (set("WAYLAND_DISPLAY")) {
    // X first; should it go away in between, Qt still falls back to Wayland.
    setenv("QT_QPA_PLATFORM", x ? "xcb;wayland" : "wayland", 1);
    return true;
  }
  if (x) return true;
  if (set("DISPLAY"))
    std::fprintf(stderr, "kvirlo: the X display %s cannot be reached, and no Wayland display is set "
                         "(WAYLAND_DISPLAY).\n", std::getenv("DISPLAY"));
  else
    std::fputs("kvirlo: no display to show its windows on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n", stderr);
  return false;
}

void sayWhatTheDisplayLacks() {
  if (!onNativeWayland()) return;
  std::fputs("kvirlo: running on native Wayland without X: the indicator and the alert cannot stay above "
             "other windows, windows open where the desktop puts them and cannot be dragged by their "
             "labels. The alert also asks for attention and posts a desktop notification.\n",
             stderr);
}

}  // namespace kvirlo::qt
