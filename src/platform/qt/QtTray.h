#pragma once

#include <functional>

#include "platform/event_gate.h"
#include "platform/tray_icons.h"

class QSystemTrayIcon;

namespace kvirlo::qt {

// The notification-area icon, made when first shown.
class QtTray : public TrayIcons {
 public:
  explicit QtTray(EventGate& gate);
  ~QtTray() override;
  void add(const TrayIconRecord& icon) override;
  void remove(const TrayIconRecord& icon) override;
  bool available() override;
  // A mouse button on the icon, as the program numbers them.
  std::function<void(int button)> onMouse;

 private:
  EventGate& gate_;
  QSystemTrayIcon* icon_ = nullptr;
};

}  // namespace kvirlo::qt
