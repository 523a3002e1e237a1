#include "platform/win32/WindowView.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/window/tab_order.h"
#include "platform/win32/mouse.h"
#include "platform/win32/pictures.h"

// The messages of a window of the program and what becomes of them.
namespace kvirlo::win32 {
namespace {

constexpr UINT kBeginDragMessage = WM_APP + 10;
// Tab or Esc for the window: wParam the key, lParam nonzero with Shift; a
// window of ours answers 1.
constexpr UINT kNavigationKey = WM_APP + 11;

}  // namespace

LRESULT CALLBACK WindowView::windowProcedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    auto* view = static_cast<WindowView*>(create->lpCreateParams);
    view->hwnd_ = hwnd;
  }
  auto* view = reinterpret_cast<WindowView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!view || !view->model()) return DefWindowProcW(hwnd, message, w, l);
  return view->onMessage(message, w, l);
}

LRESULT WindowView::onMessage(UINT message, WPARAM w, LPARAM l) {
  if (dragging_ && followDrag(message)) return 0;
  LRESULT result = 0;
  if (onControlMessage(message, w, l, result)) return result;
  switch (message) {
    case WM_CLOSE:
      deliver([this] { model()->requestClose(); });
      return 0;
    case WM_ACTIVATE: {
      const bool kept = keepFocus(w);
      activated(LOWORD(w) != WA_INACTIVE);
      if (kept) return 0;
      break;
    }
    case WM_MOVE: {
      const PixelRect now = frame();
      movedTo({now.x, now.y});
      break;
    }
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(hwnd_, &area);
      HDC dc = reinterpret_cast<HDC>(w);
      if (!model()->backgroundPicture.empty()) drawAlertBackground(dc, area);
      else FillRect(dc, &area, background_.get());
      return 1;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      onBackgroundMouse(message, w, l);
      return 0;
    case WM_DPICHANGED:
      onDpiChanged(HIWORD(w), *reinterpret_cast<const RECT*>(l));
      return 0;
    case kBeginDragMessage:
      beginDrag();
      return 0;
    case kNavigationKey:
      onNavigationKey(w, l != 0);
      return 1;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, w, l);
}

// What a control tells its window goes to the control's binding.
bool WindowView::onControlMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      if (Binding* b = bindingOf(reinterpret_cast<HWND>(l))) {
        result = b->onColour(reinterpret_cast<HDC>(w));
      } else {
        SetBkColor(reinterpret_cast<HDC>(w), backColour());
        result = reinterpret_cast<LRESULT>(background_.get());
      }
      return true;
    case WM_DRAWITEM: {
      const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
      if (Binding* b = bindingOf(draw.hwndItem)) b->onDraw(draw);
      result = TRUE;
      return true;
    }
    case WM_COMMAND: {
      Binding* b = l ? bindingOf(reinterpret_cast<HWND>(l)) : nullptr;
      return b && b->onCommand(HIWORD(w));
    }
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(l);
      Binding* b = bindingOf(header.hwndFrom);
      return b && b->onNotify(header, result);
    }
    case WM_HSCROLL:
      if (Binding* b = bindingOf(reinterpret_cast<HWND>(l))) b->onScroll();
      return true;  // answered with 0, as every scroll is the model's
    default:
      return false;
  }
}

bool WindowView::navigationKey(const MSG& msg) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  // Shift+F10 (a system key) and the Menu key; their release, which would
  // open a field's own menu, goes with them.
  const bool menuKey = msg.wParam == VK_APPS || (msg.wParam == VK_F10 && shift);
  const bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  const bool up = msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP;
  if (menuKey && (down || up)) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    return root && SendMessageW(root, kNavigationKey, down ? VK_APPS : 0, 0) == 1;
  }
  if (msg.message != WM_KEYDOWN || (msg.wParam != VK_TAB && msg.wParam != VK_ESCAPE)) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  return root && SendMessageW(root, kNavigationKey, msg.wParam, shift) == 1;
}

// Tab and Shift+Tab go in the program's reading order; Esc is the window's,
// as no control of the program uses it.
void WindowView::onNavigationKey(WPARAM key, bool shift) {
  if (key == 0) return;  // the Menu key's release
  if (key == VK_APPS) {
    Control* at = const_cast<Control*>(focusedControl());
    deliver([this, at] { model()->menuKey(at); });
    return;
  }
  if (key == VK_ESCAPE) {
    deliver([this] { model()->keyDown(keys::Escape); });
    return;
  }
  tab(!shift);
}

// The system would give an activated window the focus itself, where no key
// does anything: it goes back to the control that had it, or to the first.
bool WindowView::keepFocus(WPARAM w) {
  if (LOWORD(w) == WA_INACTIVE) {
    HWND focus = GetFocus();
    lastFocus_ = focus && IsChild(hwnd_, focus) ? focus : nullptr;
    return false;
  }
  if (HIWORD(w)) return false;  // minimised
  HWND target = lastFocus_ && IsWindowEnabled(lastFocus_) && IsWindowVisible(lastFocus_) ? lastFocus_ : nullptr;
  if (!target) {
    Control* first = nextInTabOrder(*model(), nullptr, true);
    Binding* b = first ? bindingOf(*first) : nullptr;
    target = b ? b->handle() : nullptr;
  }
  if (!target) return false;
  SetFocus(target);
  return true;
}

// The move loop starts once the handler that asked for it is over.
void WindowView::startDrag() { PostMessageW(hwnd_, kBeginDragMessage, 0, 0); }

// The left button hands the window to the system's move loop; the others
// are followed here, with the mouse captured until the button comes up.
void WindowView::beginDrag() {
  if (GetKeyState(VK_LBUTTON) < 0) {
    ReleaseCapture();
    SendMessageW(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return;
  }
  if (GetKeyState(VK_RBUTTON) >= 0 && GetKeyState(VK_MBUTTON) >= 0) return;  // already released
  RECT frame;
  GetWindowRect(hwnd_, &frame);
  dragWindow_ = {frame.left, frame.top};
  GetCursorPos(&dragPointer_);
  dragging_ = true;
  SetCapture(hwnd_);
}

bool WindowView::followDrag(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE: {
      POINT at;
      GetCursorPos(&at);
      SetWindowPos(hwnd_, nullptr, dragWindow_.x + at.x - dragPointer_.x,
                   dragWindow_.y + at.y - dragPointer_.y, 0, 0,
                   SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
      return true;
    }
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_LBUTTONUP:
      dragging_ = false;
      ReleaseCapture();
      return true;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return false;
    default:
      return false;
  }
}

// The mouse over the bare window (a group box and a disabled control let it
// through): the innermost frame there gets a button's release, else the window.
void WindowView::onBackgroundMouse(UINT message, WPARAM w, LPARAM l) {
  if (isButtonUp(message)) releasedOnWindow(buttonOf(message), {GET_X_LPARAM(l), GET_Y_LPARAM(l)});
  else movedOnWindow(heldButtons(w));
}

}  // namespace kvirlo::win32
