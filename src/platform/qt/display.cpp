#include "platform/qt/display.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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

// The compositor's socket: WAYLAND_DISPLAY, under the runtime folder
// unless it is a path of its own.
bool waylandReachable() {
  if (!set("WAYLAND_DISPLAY")) return false;
  std::string path = std::getenv("WAYLAND_DISPLAY");
  if (path.front() != '/') path = std::string(set("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "") + "/" + path;
  sockaddr_un where{};
  where.sun_family = AF_UNIX;
  if (path.size() >= sizeof where.sun_path) return false;
  std::memcpy(where.sun_path, path.data(), path.size());
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool reached = ::connect(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) == 0;
  ::close(fd);
  return reached;
}

}  // namespace

bool chooseDisplay() {
  if (set("QT_QPA_PLATFORM")) return true;
  const bool x = xReachable();
  if (waylandReachable()) {
    // X first; should it go away in between, Qt still falls back to Wayland.
    setenv("QT_QPA_PLATFORM", x ? "xcb;wayland" : "wayland", 1);
    return true;
  }
  if (x) return true;
  if (set("DISPLAY") || set("WAYLAND_DISPLAY"))
    std::fprintf(stderr, "kvirlo: neither the X display \"%s\" nor the Wayland display \"%s\" can be reached.\n",
                 set("DISPLAY") ? std::getenv("DISPLAY") : "", set("WAYLAND_DISPLAY") ? std::getenv("WAYLAND_DISPLAY") : "");
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
