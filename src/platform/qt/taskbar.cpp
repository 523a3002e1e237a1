#include "platform/qt/taskbar.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <xcb/xcb.h>

#include "platform/qt/xcb_atom.h"

namespace kvirlo::qt {
namespace {

// The request a window manager hears for a window it already manages.
void askToSkip(QWidget& window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return;
  xcb_connection_t* c = x11->connection();
  const xcb_atom_t state = xcbAtom(c, "_NET_WM_STATE");
  const xcb_atom_t skip = xcbAtom(c, "_NET_WM_STATE_SKIP_TASKBAR");
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE || !screen || !window.windowHandle()) return;
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  // The window's handle: a widget's own id stays that of the native window
  // it had before a change of its flags made a new one.
  event.window = static_cast<xcb_window_t>(window.windowHandle()->winId());
  event.type = state;
  event.data.data32[0] = 1;  // add
  event.data.data32[1] = skip;
  event.data.data32[3] = 1;  // from an application
  xcb_send_event(c, 0, screen->root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(c);
}

}  // namespace

// QUIRK(icewm), listed in docs/quirks.md.
// A window manager may take a while to take on a window it was asked to
// map, and forgets a request for a window it does not manage yet: the
// request is sent again once it has had time.
void keepOffTaskbar(QWidget& window) {
  askToSkip(window);
  QTimer::singleShot(300, &window, [w = &window] { askToSkip(*w); });
}

}  // namespace kvirlo::qt
