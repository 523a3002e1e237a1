#pragma once

#include <functional>

#include "platform/window/event_gate.h"
#include "platform/services/tray_icons.h"
#include "platform/win32/SystemWindow.h"

namespace kvirlo::win32 {

// The notification-area icon, owned by the hidden window. Windows forgets
// the icon when Explorer restarts; it is added again when Explorer says so.
class Win32Tray : public TrayIcons {
 public:
  static constexpr UINT kCallbackMessage = WM_APP + 1;
  Win32Tray(SystemWindow& window, EventGate& gate);
  ~Win32Tray() override;
  void add(const TrayIconRecord& icon) override;
  void remove(const TrayIconRecord& icon) override;
  bool available() override { return true; }
  // A mouse button released over the icon, as the program numbers them.
  std::function<void(int button)> onMouse;

 private:
  bool notify(DWORD message, const TrayIconRecord& icon);
  SystemWindow& window_;
  EventGate& gate_;
  TrayIconRecord shown_;
  bool version4_ = false;  // the shell reports the keyboard too
};

}  // namespace kvirlo::win32
