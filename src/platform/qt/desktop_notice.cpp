#include "platform/qt/desktop_notice.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QGuiApplication>
#include <QVariantMap>
#include <utility>

namespace kvirlo::qt {
namespace {

const QString kService = "org.freedesktop.Notifications";
const QString kPath = "/org/freedesktop/Notifications";
const QString kInterface = "org.freedesktop.Notifications";
constexpr uchar kCritical = 2;

QDBusMessage call(const QString& method) { return QDBusMessage::createMethodCall(kService, kPath, kInterface, method); }

}  // namespace

DesktopNotice::DesktopNotice(const QString& summary, const QString& body,
                             std::function<void(const QString&)> chosen, QObject* parent)
    : QObject(parent), chosen_(std::move(chosen)) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  bus.connect(kService, kPath, kInterface, "ActivationToken", this, SLOT(onActivationToken(uint, QString)));
  bus.connect(kService, kPath, kInterface, "ActionInvoked", this, SLOT(onActionInvoked(uint, QString)));
  bus.connect(kService, kPath, kInterface, "NotificationClosed", this, SLOT(onClosed(uint, uint)));
  QDBusMessage notify = call("Notify");
  // A critical notification stays until it is chosen or withdrawn.
  const QVariantMap hints{{"urgency", QVariant::fromValue(kCritical)},
                          {"desktop-entry", QGuiApplication::desktopFileName().isEmpty()
                                                ? QString("kvirlo")
                                                : QGuiApplication::desktopFileName()}};
  notify << QGuiApplication::applicationDisplayName() << uint(0) << QString("kvirlo") << summary << body
         << QStringList{"default", summary} << hints << int(0);
  // Asynchronous: a slow notification service never holds the alert up.
  bus.callWithCallback(notify, this, SLOT(onPosted(uint)));
}

DesktopNotice::~DesktopNotice() {
  if (id_ == 0) return;
  QDBusMessage close = call("CloseNotification");
  close << id_;
  QDBusConnection::sessionBus().send(close);
}

void DesktopNotice::onPosted(uint id) { id_ = id; }

void DesktopNotice::onActivationToken(uint id, const QString& token) {
  if (id == id_ && id != 0) token_ = token;
}

void DesktopNotice::onActionInvoked(uint id, const QString& action) {
  if (id != id_ || id == 0 || action != "default") return;
  if (chosen_) chosen_(std::exchange(token_, {}));
}

void DesktopNotice::onClosed(uint id, uint) {
  if (id == id_) id_ = 0;
}

}  // namespace kvirlo::qt
