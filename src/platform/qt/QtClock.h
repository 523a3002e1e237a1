#pragma once

#include <QObject>
#include <functional>
#include <map>

#include "platform/clock.h"
#include "platform/event_gate.h"

class QSocketNotifier;
class QFileSystemWatcher;

namespace kvirlo::qt {

// Time for the Linux program. Minute watchers share one realtime timerfd
// that sleeps until the next minute starts; it also wakes when the clock is
// set or the machine resumes (the kernel cancels such a timer), and a watch
// on /etc/localtime catches a change of time zone.
class QtClock : public QObject, public Clock {
 public:
  explicit QtClock(EventGate& gate);
  ~QtClock() override;

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
  void onMinuteTimer();
  void notifyWatchers();

  EventGate& gate_;
  int timerFd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  QFileSystemWatcher* zoneWatcher_ = nullptr;
  std::map<int, std::function<void()>> watchers_;
  int nextWatcher_ = 1;
};

}  // namespace kvirlo::qt
