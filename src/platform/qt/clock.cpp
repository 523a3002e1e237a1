#include "platform/qt/clock.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

namespace kvirlo::qt {
namespace {

class TimerCall : public ScheduledCall {
 public:
  explicit TimerCall(QTimer* timer) : timer_(timer) {}
  ~TimerCall() override {
    timer_->stop();
    timer_->deleteLater();  // it may be inside its own timeout right now
  }

 private:
  QTimer* timer_;
};

class WatcherCall : public ScheduledCall {
 public:
  WatcherCall(TimerfdClock& clock, int id) : clock_(clock), id_(id) {}
  ~WatcherCall() override { clock_.removeWatcher(id_); }

 private:
  TimerfdClock& clock_;
  int id_;
};

}  // namespace

MinuteWatchSystem MinuteWatchSystem::real() {
  MinuteWatchSystem system;
  system.timerfdCreate = [](int clockId, int flags) { return ::timerfd_create(clockId, flags); };
  system.timerfdSettime = [](int fd, int flags, const itimerspec* next) {
    return ::timerfd_settime(fd, flags, next, nullptr);
  };
  system.now = [] {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
  };
  return system;
}

TimerfdClock::TimerfdClock(EventGate& gate, MinuteWatchSystem system)
    : gate_(gate), system_(std::move(system)) {
  timerFd_ = system_.timerfdCreate(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
  if (timerFd_ >= 0) {
    notifier_ = new QSocketNotifier(timerFd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { onMinuteTimer(); });
  } else {
    fallBackToEventLoop("timerfd_create");
  }
  const QString zoneFile = system_.zoneFile;
  zoneWatcher_ = new QFileSystemWatcher(this);
  zoneWatcher_->addPath(zoneFile);
  zoneWatcher_->addPath(QFileInfo(zoneFile).absolutePath());
  connect(zoneWatcher_, &QFileSystemWatcher::fileChanged, this, [this, zoneFile] {
    zoneWatcher_->addPath(zoneFile);  // a replaced file drops out of the watch
    notifyWatchers();
  });
  connect(zoneWatcher_, &QFileSystemWatcher::directoryChanged, this, [this, zoneFile] {
    if (!zoneWatcher_->files().contains(zoneFile)) {
      zoneWatcher_->addPath(zoneFile);
      notifyWatchers();
    }
  });
}

TimerfdClock::~TimerfdClock() {
  if (timerFd_ >= 0) ::close(timerFd_);
}

TimeOfDay TimerfdClock::localTime() {
  tzset();
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::tm parts{};
  localtime_r(&now.tv_sec, &parts);
  return {parts.tm_hour, parts.tm_min, parts.tm_sec, static_cast<int>(now.tv_nsec / 1'000'000)};
}

std::int64_t TimerfdClock::steadyMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::int64_t(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

std::unique_ptr<ScheduledCall> TimerfdClock::timer(Milliseconds interval, bool repeat,
                                                   std::function<void()> callback) {
  auto* t = new QTimer(this);
  t->setTimerType(Qt::PreciseTimer);
  t->setSingleShot(!repeat);
  t->setInterval(static_cast<int>(interval.count()));
  connect(t, &QTimer::timeout, this, [this, callback = std::move(callback)] { gate_.run(callback); });
  t->start();
  return std::make_unique<TimerCall>(t);
}

std::unique_ptr<ScheduledCall> TimerfdClock::once(Milliseconds delay,
                                                  std::function<void()> callback) {
  return timer(delay, false, std::move(callback));
}

std::unique_ptr<ScheduledCall> TimerfdClock::every(Milliseconds interval,
                                                   std::function<void()> callback) {
  return timer(interval, true, std::move(callback));
}

std::unique_ptr<ScheduledCall> TimerfdClock::atEveryMinute(std::function<void()> callback) {
  const int id = nextWatcher_++;
  watchers_.emplace(id, std::move(callback));
  if (watchers_.size() == 1) armNextMinute();
  return std::make_unique<WatcherCall>(*this, id);
}

void TimerfdClock::armNextMinute() {
  const timespec now = system_.now();
  // The next start of a local minute; time zones differ from UTC by whole
  // minutes, so a UTC minute boundary is a local one.
  const time_t nextMinute = (now.tv_sec / 60 + 1) * 60;
  if (timerFd_ >= 0) {
    itimerspec next{};
    next.it_value.tv_sec = nextMinute;
    if (system_.timerfdSettime(timerFd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &next) == 0)
      return;
    fallBackToEventLoop("timerfd_settime");
  }
  const std::int64_t untilNextMinute =
      std::int64_t(nextMinute - now.tv_sec) * 1000 - now.tv_nsec / 1'000'000;
  fallbackTimer_->start(static_cast<int>(untilNextMinute));
}

// Without its timerfd the watch would never wake, and a reminder for a later
// minute would never fire.
void TimerfdClock::fallBackToEventLoop(const char* refusedCall) {
  std::fprintf(stderr,
               "kvirlo: %s: %s; the minute watch wakes by a timer instead and notices a change "
               "of the clock within a minute\n",
               refusedCall, std::strerror(errno));
  if (timerFd_ >= 0) {
    notifier_->setEnabled(false);
    notifier_->deleteLater();  // it may be inside its own signal right now
    notifier_ = nullptr;
    ::close(timerFd_);
    timerFd_ = -1;
  }
  fallbackTimer_ = new QTimer(this);
  fallbackTimer_->setTimerType(Qt::PreciseTimer);
  fallbackTimer_->setSingleShot(true);
  connect(fallbackTimer_, &QTimer::timeout, this, [this] { onMinuteTimer(); });
}

void TimerfdClock::onMinuteTimer() {
  if (timerFd_ >= 0) {
    std::uint64_t expirations = 0;
    // Read every time: a cancelled timer (the clock was set) says so with ECANCELED.
    while (::read(timerFd_, &expirations, sizeof expirations) < 0 && errno == EINTR) {
    }
  }
  armNextMinute();
  notifyWatchers();
}

void TimerfdClock::notifyWatchers() {
  if (watchers_.empty()) return;
  std::vector<int> ids;
  for (const auto& entry : watchers_) ids.push_back(entry.first);
  gate_.run([&] {
    for (int id : ids) {
      auto it = watchers_.find(id);
      if (it == watchers_.end()) continue;
      auto callback = it->second;
      callback();
    }
  });
}

}  // namespace kvirlo::qt
