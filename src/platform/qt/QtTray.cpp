#include "platform/qt/QtTray.h"

#include <QObject>
#include <QSystemTrayIcon>

#include "platform/qt/pictures.h"
#include "platform/qt/qstrings.h"

namespace kvirlo::qt {

QtTray::QtTray(EventGate& gate) : gate_(gate) {}

QtTray::~QtTray() { delete icon_; }

bool QtTray::available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

void QtTray::add(const TrayIconRecord& record) {
  if (!icon_) {
    icon_ = new QSystemTrayIcon(appIcon());
    QObject::connect(icon_, &QSystemTrayIcon::activated, [this](QSystemTrayIcon::ActivationReason r) {
      int button = 0;
      if (r == QSystemTrayIcon::Context) button = 2;
      if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick) button = 1;
      if (r == QSystemTrayIcon::MiddleClick) button = 4;
      if (onMouse) gate_.run([this, button] { onMouse(button); });
    });
  }
  icon_->setToolTip(q(record.tip));
  icon_->show();  // showing a shown icon leaves the one icon
}

void QtTray::remove(const TrayIconRecord&) {
  if (icon_) icon_->hide();
}

}  // namespace kvirlo::qt
