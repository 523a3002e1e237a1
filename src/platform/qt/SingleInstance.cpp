#include "platform/qt/SingleInstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QSocketNotifier>
#include <cstring>

namespace kvirlo::qt {
namespace {

// A request is a few short lines; anything longer is no request of ours.
constexpr std::size_t kLongestRequest = 4096;
// How long a later copy waits for the first to answer.
constexpr int kAnswerMs = 10000;
constexpr char kAnswer[] = "shown\n";

bool address(const std::string& path, sockaddr_un& out) {
  std::memset(&out, 0, sizeof out);
  out.sun_family = AF_UNIX;
  if (path.size() >= sizeof out.sun_path) return false;
  std::memcpy(out.sun_path, path.data(), path.size());
  return true;
}

// Writes all of it, never raising SIGPIPE on a peer that went away.
bool sendAll(int fd, const std::string& data) {
  std::size_t sent = 0;
  while (sent < data.size()) {
    const ssize_t n = ::send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
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
  for (auto& [peer, state] : peers_) ::close(peer);
  if (listener_ >= 0) ::close(listener_);
  if (lock_ >= 0) ::close(lock_);
}

// Listening starts at once, so a copy started while this one is still
// coming up waits in the queue instead of finding nobody.
void SingleInstance::listen() {
  sockaddr_un where;
  if (!address(socket_, where)) return;
  ::unlink(socket_.c_str());  // left by a copy that was killed
  listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (listener_ < 0) return;
  if (::bind(listener_, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 ||
      ::listen(listener_, 8) != 0) {
    ::close(listener_);
    listener_ = -1;
  }
}

void SingleInstance::onAnotherStart(std::function<void(const ActivationToken&)> handler) {
  handler_ = std::move(handler);
  if (listener_ < 0 || notifier_) return;
  notifier_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { acceptAll(); });
  acceptAll();  // those that knocked before the program was ready
}

void SingleInstance::acceptAll() {
  int peer;
  while ((peer = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
    auto* notifier = new QSocketNotifier(peer, QSocketNotifier::Read, this);
    peers_[peer] = {notifier, {}};
    connect(notifier, &QSocketNotifier::activated, this, [this, peer] { readFrom(peer); });
  }
}

// The request ends where the later copy stops writing. Only then is the
// main window shown and the answer sent.
void SingleInstance::readFrom(int peer) {
  auto it = peers_.find(peer);
  if (it == peers_.end()) return;
  std::string& request = it->second.second;
  char buffer[512];
  for (;;) {
    const ssize_t n = ::read(peer, buffer, sizeof buffer);
    if (n > 0) {
      request.append(buffer, static_cast<std::size_t>(n));
      if (request.size() > kLongestRequest) return drop(peer);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;  // more to come
    break;  // the end, or a peer that went away
  }
  if (request.rfind("show\n", 0) == 0) {
    if (handler_) handler_(tokenOfRequest(request));
    sendAll(peer, kAnswer);
  }
  drop(peer);
}

void SingleInstance::drop(int peer) {
  auto it = peers_.find(peer);
  if (it == peers_.end()) return;
  it->second.first->setEnabled(false);
  it->second.first->deleteLater();
  ::close(peer);
  peers_.erase(it);
}

// The request goes whole, then this copy waits (a while at most) until the
// first has shown its window, so that whoever started it sees the window
// when it ends. A first copy that is gone or hung changes nothing: this copy
// still ends well.
void SingleInstance::askTheFirst() {
  sockaddr_un where;
  if (!address(socket_, where)) return;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  if (::connect(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) == 0 &&
      sendAll(fd, showRequest(tokenOfThisStart())) && ::shutdown(fd, SHUT_WR) == 0) {
    pollfd answer{fd, POLLIN, 0};
    char buffer[sizeof kAnswer];
    while (::poll(&answer, 1, kAnswerMs) > 0 && ::read(fd, buffer, sizeof buffer) > 0) {
    }
  }
  ::close(fd);
}

}  // namespace kvirlo::qt
