#pragma once

#include <QObject>
#include <QString>
#include <ctime>
#include <functional>
#include <map>

#include "platform/services/clock.h"
#include "platform/window/event_gate.h"

class QSocketNotifier;
class QFileSystemWatcher;
class QTimer;

struct itimerspec;

namespace kvirlo::qt {

// The system calls behind the minute watch, and the time-zone file it
// watches; tests put their own in to refuse the timerfd or move the clock.
struct MinuteWatchSystem {
  std::function<int(int clockId, int flags)> timerfdCreate;
  std::function<int(int fd, int flags, const itimerspec* next)> timerfdSettime;
  std::function<timespec()> now;  // the wall clock (CLOCK_REALTIME)
  QString zoneFile = "/etc/localtime";

  static MinuteWatchSystem real();
};

// Time for the Linux program. Minute watchers share one realtime timerfd
// that sleeps until the next minute starts; it also wakes when the clock is
// set or the machine resumes (the kernel cancels such a timer), and a watch
// on /etc/localtime catches a change of time zone. Where the kernel refuses
// the timerfd, a timer of the event loop wakes at each minute's start
// instead; a change of the clock is then noticed at the next wake-up, at
// most a minute later.
class TimerfdClock : public QObject, public Clock {
 public:
  explicit TimerfdClock(EventGate& gate, MinuteWatchSystem system = MinuteWatchSystem::real());
  ~TimerfdClock() override;

  TimeOfDay localTime() override;
  std::int64_t steadyMilliseconds() override;
  std::unique_ptr<ScheduledCall> once(Milliseconds delay, std::function<void()> callback) override;
  std::unique_ptr<ScheduledCall> every(Milliseconds interval,
                                       std::function<void()> callback) override;
  std::unique_ptr<ScheduledCall> atEveryMinute(std::function<void()> callback) override;

  void removeWatcher(int id) { watchers_.erase(id); }

 private:
  std::unique_ptr<ScheduledCall> timer(Milliseconds interval, bool repeat,
                                       std::function<void()> callback);
  void armNextMinute();
  void fallBackToEventLoop(const char* refusedCall);
  void onMinuteTimer();
  void notifyWatchers();

  EventGate& gate_;
  MinuteWatchSystem system_;
  int timerFd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  QTimer* fallbackTimer_ = nullptr;
  QFileSystemWatcher* zoneWatcher_ = nullptr;
  std::map<int, std::function<void()>> watchers_;
  int nextWatcher_ = 1;
};

}  // namespace kvirlo::qt
