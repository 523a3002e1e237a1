#include "platform/qt/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QSocketNotifier>
#include <cstring>

namespace kvirlo::qt {
namespace {

bool address(const std::string& path, sockaddr_un& out) {
  std::memset(&out, 0, sizeof out);
  out.sun_family = AF_UNIX;
  if (path.size() >= sizeof out.sun_path) return false;
  std::memcpy(out.sun_path, path.data(), path.size());
  return true;
}

}  // namespace

SingleInstance::SingleInstance(const QString& folder)
    : socket_((folder + "/kvirlo.socket").toStdString()) {
  QDir().mkpath(folder);
  const std::string lockPath = (folder + "/kvirlo.lock").toStdString();
  lock_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  // Without a lock file to hold (an odd runtime folder) the program runs.
  first_ = lock_ < 0 || ::flock(lock_, LOCK_EX | LOCK_NB) == 0;
  if (first_)
    listen();
  else
    askTheFirst();
}

SingleInstance::~SingleInstance() {
  if (listener_ >= 0) ::close(listener_);
  if (lock_ >= 0) ::close(lock_);
}

void SingleInstance::listen() {
  sockaddr_un where;
  if (!address(socket_, where)) return;
  ::unlink(socket_.c_str());  // left by a copy that was killed
  listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (listener_ < 0) return;
  if (::bind(listener_, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 ||
      ::listen(listener_, 4) != 0) {
    ::close(listener_);
    listener_ = -1;
    return;
  }
  notifier_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    int peer;
    while ((peer = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
      ::close(peer);
      if (onAnotherStart) onAnotherStart();
    }
  });
}

void SingleInstance::askTheFirst() {
  sockaddr_un where;
  if (!address(socket_, where)) return;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  if (::connect(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) == 0) {
    [[maybe_unused]] auto n = ::write(fd, "show\n", 5);
  }
  ::close(fd);
}

}  // namespace kvirlo::qt
