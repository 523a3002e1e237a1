#include "platform/qt/tray_icons.h"

#include <QCursor>
#include <QMenu>
#include <QObject>

#include "platform/window/control.h"
#include "platform/window/menu_item.h"
#include "platform/qt/menus.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qstrings.h"

namespace kvirlo::qt {

QtTray::QtTray(EventGate& gate) : gate_(gate) {}

QtTray::~QtTray() { delete icon_; }  // before the menu it carries

bool QtTray::available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

void QtTray::add(const TrayIconRecord& record) {
  if (!icon_) {
    icon_ = new QSystemTrayIcon(appIcon());
    QObject::connect(icon_, &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason r) { onActivated(r); });
  }
  if (record.menu && !menu_) setMenu(*record.menu);
  icon_->setToolTip(q(record.tip));
  icon_->show();  // showing a shown icon leaves the one icon
}

void QtTray::remove(const TrayIconRecord&) {
  if (menu_) menu_->hide();
  if (icon_) icon_->hide();
}

void QtTray::setMenu(MenuItem& root) {
  menu_ = std::make_unique<QMenu>();
  for (const auto& entry : fillMenu(*menu_, root)) {
    MenuItem* item = entry.second;
    QObject::connect(entry.first, &QAction::triggered, [this, item] { gate_.run([item] { item->click(); }); });
  }
  icon_->setContextMenu(menu_.get());
}

void QtTray::onActivated(QSystemTrayIcon::ActivationReason reason) {
  if (reason == QSystemTrayIcon::Context && menu_) {
    // An X11 tray has opened the menu at the press already; a panel that
    // shows menus over D-Bus shows it itself and passes no click. A panel
    // that passes the click instead gets the menu at the pointer.
    if (!menu_->isVisible()) menu_->popup(QCursor::pos());
    return;
  }
  int button = 0;
  if (reason == QSystemTrayIcon::Context) button = buttons::Right;
  if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) button = buttons::Left;
  if (reason == QSystemTrayIcon::MiddleClick) button = buttons::Middle;
  if (onMouse) gate_.run([this, button] { onMouse(button); });
}

}  // namespace kvirlo::qt
