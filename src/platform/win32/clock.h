#pragma once

#include "platform/win32/win.h"

#include <functional>
#include <map>
#include <memory>

#include "platform/services/clock.h"
#include "platform/window/event_gate.h"
#include "platform/win32/SystemWindow.h"

namespace kvirlo::win32 {

// Time from the local clock and calls made by window timers on the hidden
// window. Every minute call shares one timer to the next minute's start, so
// a waiting program wakes once a minute however many watch the minutes; it
// is set again at once when Windows says the clock was set or the machine
// resumed.
class WindowTimerClock : public Clock {
 public:
  WindowTimerClock(SystemWindow& window, EventGate& gate);
  ~WindowTimerClock() override;

  TimeOfDay localTime() override;
  std::int64_t steadyMilliseconds() override;
  std::unique_ptr<ScheduledCall> once(Milliseconds delay, std::function<void()> callback) override;
  std::unique_ptr<ScheduledCall> every(Milliseconds interval, std::function<void()> callback) override;
  std::unique_ptr<ScheduledCall> atEveryMinute(std::function<void()> callback) override;

  // Milliseconds from `now` until just after the next minute's start.
  static UINT delayToNextMinute(const TimeOfDay& now);

  void cancel(UINT_PTR id);

 private:
  enum class Kind { Once, Every, Minute };
  struct Entry {
    Kind kind;
    std::shared_ptr<std::function<void()>> callback;
  };
  static constexpr UINT_PTR kMinuteTimer = 1;

  UINT_PTR add(Kind kind, std::function<void()> callback);
  void fire(UINT_PTR id);
  void minuteStarted();
  void clockJumped();
  void callMinuteWatches();
  void armMinute();
  bool anyMinuteWatch() const;

  SystemWindow& window_;
  EventGate& gate_;
  UINT_PTR nextId_ = kMinuteTimer + 1;
  std::map<UINT_PTR, Entry> entries_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace kvirlo::win32
