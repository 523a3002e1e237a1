#include "platform/qt/activation_token.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <utility>

#include <xcb/xcb.h>

namespace kvirlo::qt {
namespace {

constexpr const char* kWayland = "XDG_ACTIVATION_TOKEN";
constexpr const char* kStartupId = "DESKTOP_STARTUP_ID";
constexpr std::size_t kLongest = 512;

ActivationToken pending;

std::string word(const std::string& s) {
  if (s.size() > kLongest) return {};
  for (unsigned char c : s)
    if (c <= ' ' || c > '~') return {};
  return s;
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? word(value) : std::string();
}

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
  std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The startup notification is over: the launcher's busy cursor and the
// desktop's "is ready" note go. Sent in 20-byte pieces, the first under
// its own type, the message ending with its NUL.
void endStartup(xcb_connection_t* c, xcb_window_t from, const std::string& id) {
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const xcb_atom_t begin = atom(c, "_NET_STARTUP_INFO_BEGIN");
  const xcb_atom_t more = atom(c, "_NET_STARTUP_INFO");
  if (!screen || begin == XCB_ATOM_NONE || more == XCB_ATOM_NONE) return;
  const std::string message = "remove: ID=" + id;
  for (std::size_t at = 0; at <= message.size(); at += 20) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 8;
    event.window = from;
    event.type = at == 0 ? begin : more;
    const std::size_t n = std::min<std::size_t>(20, message.size() + 1 - at);
    std::memcpy(event.data.data8, message.c_str() + at, n);
    xcb_send_event(c, 0, screen->root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char*>(&event));
  }
}

// A window manager that keeps focus from windows nobody asked for (GNOME's)
// takes the window's new startup id, and the time in it, as the user's
// request to bring that window forward.
void useStartupId(QWidget& window, const std::string& id) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection() || !window.windowHandle()) return;
  xcb_connection_t* c = x11->connection();
  const auto handle = static_cast<xcb_window_t>(window.windowHandle()->winId());
  const xcb_atom_t property = atom(c, "_NET_STARTUP_ID");
  const xcb_atom_t utf8 = atom(c, "UTF8_STRING");
  if (property != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE)
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, handle, property, utf8, 8,
                        static_cast<uint32_t>(id.size()), id.data());
  endStartup(c, handle, id);
  xcb_flush(c);
}

}  // namespace

ActivationToken tokenOfThisStart() { return {environment(kWayland), environment(kStartupId)}; }

std::string showRequest(const ActivationToken& token) {
  std::string request = "show\n";
  if (!token.wayland.empty()) request += std::string(kWayland) + "=" + token.wayland + "\n";
  if (!token.startupId.empty()) request += std::string(kStartupId) + "=" + token.startupId + "\n";
  return request;
}

ActivationToken tokenOfRequest(const std::string& request) {
  ActivationToken token;
  std::istringstream lines(request);
  std::string line;
  while (std::getline(lines, line)) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string name = line.substr(0, eq);
    const std::string value = word(line.substr(eq + 1));
    if (name == kWayland) token.wayland = value;
    else if (name == kStartupId) token.startupId = value;
  }
  return token;
}

void handOver(const ActivationToken& token) { pending = token; }

void useHandedOverToken(QWidget& window) {
  const ActivationToken token = std::exchange(pending, {});
  if (QGuiApplication::platformName() == "wayland") {
    // Qt's Wayland plugin reads it, and forgets it, the next time a window
    // asks for the focus.
    if (!token.wayland.empty()) qputenv(kWayland, QByteArray::fromStdString(token.wayland));
  } else if (!token.startupId.empty()) {
    useStartupId(window, token.startupId);
  }
}

}  // namespace kvirlo::qt
