#include "platform/win32/SystemWindow.h"

namespace kvirlo::win32 {

UINT SystemWindow::showMainMessage() {
  static const UINT message = RegisterWindowMessageW(L"Kvirlo.ShowMainWindow");
  return message;
}

SystemWindow::SystemWindow() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
  // A real top-level window, not a message-only one: only top-level windows
  // hear of clock changes, power events and the end of the session.
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"Kvirlo", WS_POPUP, 0, 0, 0, 0, nullptr,
                          nullptr, instance, this);
}

SystemWindow::~SystemWindow() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

LRESULT CALLBACK SystemWindow::procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<SystemWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self) {
    // A listener may add another while it runs: walk by index.
    for (std::size_t i = 0; i < self->listeners_.size(); ++i) {
      LRESULT result = 0;
      if (self->listeners_[i](message, w, l, result)) return result;
    }
  }
  return DefWindowProcW(hwnd, message, w, l);
}

}  // namespace kvirlo::win32
