#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace kvirlo::qt {

// A desktop notification (org.freedesktop.Notifications on the session
// bus), urgent, for as long as the window it speaks for is open. Choosing it
// calls `chosen` with the activation token the desktop gave for it (empty
// from a desktop that gives none). Without a notification service it is
// nothing.
class DesktopNotice : public QObject {
  Q_OBJECT
 public:
  DesktopNotice(const QString& summary, const QString& body, std::function<void(const QString&)> chosen,
                QObject* parent);
  ~DesktopNotice() override;

 private slots:
  void onPosted(uint id);
  void onActivationToken(uint id, const QString& token);
  void onActionInvoked(uint id, const QString& action);
  void onClosed(uint id, uint reason);

 private:
  std::function<void(const QString&)> chosen_;
  uint id_ = 0;
  QString token_;
};

}  // namespace kvirlo::qt
