#pragma once

#include <QSystemTrayIcon>
#include <functional>
#include <memory>

#include "platform/window/event_gate.h"
#include "platform/services/tray_icons.h"

class QMenu;

namespace kvirlo::qt {

// The notification-area icon, made when first shown, with the program's menu
// set on it: an X11 tray opens that menu at a right click, and a panel that
// hosts icons over D-Bus (StatusNotifierItem) shows it as its own.
class QtTray : public TrayIcons {
 public:
  explicit QtTray(EventGate& gate);
  ~QtTray() override;
  void add(const TrayIconRecord& icon) override;
  void remove(const TrayIconRecord& icon) override;
  bool available() override;
  // A mouse button on the icon, as the program numbers them; the right one
  // only where the icon has no menu of its own.
  std::function<void(int button)> onMouse;

 private:
  void setMenu(MenuItem& root);
  void onActivated(QSystemTrayIcon::ActivationReason reason);
  EventGate& gate_;
  std::unique_ptr<QMenu> menu_;
  QSystemTrayIcon* icon_ = nullptr;
};

}  // namespace kvirlo::qt
