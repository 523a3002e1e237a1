#include "platform/qt/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace kvirlo::qt {

SingleInstance::SingleInstance(const QString& folder)
    : lock_(std::make_unique<QLockFile>(folder + "/kvirlo.lock")), socket_(folder + "/kvirlo.socket") {
  QDir().mkpath(folder);
  // A lock left by a copy that was killed is stale and taken over.
  lock_->setStaleLockTime(0);
  first_ = lock_->tryLock(0);
  if (!first_) {
    QLocalSocket peer;
    peer.connectToServer(socket_);
    if (peer.waitForConnected(2000)) {
      peer.write("show\n");
      peer.waitForBytesWritten(1000);
      peer.disconnectFromServer();
    }
    return;
  }
  QLocalServer::removeServer(socket_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  server_->listen(socket_);
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* peer = server_->nextPendingConnection()) {
      connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
      if (onAnotherStart) onAnotherStart();
    }
  });
}

SingleInstance::~SingleInstance() = default;

}  // namespace kvirlo::qt
