#include "platform/win32/tray_icons.h"

#include <shellapi.h>

#include <algorithm>

#include "platform/window/control.h"
#include "platform/win32/handles.h"
#include "platform/win32/pictures.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {

Win32Tray::Win32Tray(SystemWindow& window, EventGate& gate) : window_(window), gate_(gate) {
  static const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
  window_.listen([this](UINT message, WPARAM, LPARAM l, LRESULT& result) {
    if (message == taskbarCreated) {
      if (shown_.filled) add(shown_);
      return false;
    }
    if (message != kCallbackMessage) return false;
    // With version 4 the shell also reports the keyboard: Enter or Space on
    // the icon (NIN_KEYSELECT) and Shift+F10 or the Menu key, which come as
    // WM_CONTEXTMENU as a right click does too; the menu answers them as
    // it answers the right button.
    int button = 0;
    switch (LOWORD(l)) {
      case WM_LBUTTONUP: button = buttons::Left; break;
      case WM_RBUTTONUP: button = version4_ ? 0 : buttons::Right; break;
      case WM_CONTEXTMENU:
      case NIN_KEYSELECT: button = version4_ ? buttons::Right : 0; break;
      case WM_MBUTTONUP: button = buttons::Middle; break;
      default: break;
    }
    // Enter may report NIN_KEYSELECT twice; a menu already open takes no other.
    if (button == buttons::Right && gate_.busy()) button = 0;
    if (button && onMouse) gate_.run([this, button] { onMouse(button); });
    result = 0;
    return true;
  });
}

Win32Tray::~Win32Tray() {
  if (shown_.filled) notify(NIM_DELETE, shown_);
}

bool Win32Tray::notify(DWORD message, const TrayIconRecord& icon) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_.handle();
  data.uID = static_cast<UINT>(icon.id);
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = kCallbackMessage;
  data.uVersion = NOTIFYICON_VERSION_4;
  data.hIcon = smallAppIcon();
  const std::wstring tip = wide(icon.tip);
  const std::size_t n = std::min<std::size_t>(tip.size(), std::size(data.szTip) - 1);
  std::copy_n(tip.begin(), n, data.szTip);
  const Library shell(L"shell32.dll");
  const auto notifyIcon = shell.function<decltype(Shell_NotifyIconW)>("Shell_NotifyIconW");
  return notifyIcon && notifyIcon(message, &data);
}

void Win32Tray::add(const TrayIconRecord& icon) {
  // Adding an icon that is there already fails: it is then brought up to date.
  if (!notify(NIM_ADD, icon)) notify(NIM_MODIFY, icon);
  shown_ = icon;
  version4_ = notify(NIM_SETVERSION, icon);
}

void Win32Tray::remove(const TrayIconRecord& icon) {
  notify(NIM_DELETE, icon);
  if (icon.id == shown_.id) shown_ = {};
}

}  // namespace kvirlo::win32
