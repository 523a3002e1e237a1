#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

namespace kvirlo {

// The local time of day; the date is never needed.
struct TimeOfDay {
  int hour = 0;         // 0 to 23
  int minute = 0;       // 0 to 59
  int second = 0;       // 0 to 59
  int millisecond = 0;  // 0 to 999
};

// A call the clock will make later; destroying it cancels the call. It is
// safe to destroy it from inside its own callback.
class ScheduledCall {
 public:
  virtual ~ScheduledCall() = default;
};

using Milliseconds = std::chrono::milliseconds;

// Time and scheduling. Every callback runs on the user-interface thread.
class Clock {
 public:
  virtual ~Clock() = default;

  virtual TimeOfDay localTime() = 0;

  // Milliseconds on a clock that never jumps, for measuring lengths of time.
  virtual std::int64_t steadyMilliseconds() = 0;

  // Calls back after `delay`, once.
  virtual std::unique_ptr<ScheduledCall> once(Milliseconds delay,
                                              std::function<void()> callback) = 0;

  // Calls back every `interval`, first after one interval.
  virtual std::unique_ptr<ScheduledCall> every(Milliseconds interval,
                                               std::function<void()> callback) = 0;

  // Calls back at the start of every minute of the local clock (within a few
  // milliseconds of it) and at once whenever the local clock jumps: set by
  // hand, a time-zone change, the machine waking from sleep. Nothing in
  // between, so waiting for a given minute costs a handful of wake-ups.
  virtual std::unique_ptr<ScheduledCall> atEveryMinute(std::function<void()> callback) = 0;
};

}  // namespace kvirlo
