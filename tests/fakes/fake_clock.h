#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "platform/services/clock.h"

namespace kvirlo::testing {

// A virtual clock: time moves only when a test moves it, and every call that
// falls due on the way runs at once, in the order of its moment.
class FakeClock : public Clock {
 public:
  // Local time of day as milliseconds since midnight.
  static constexpr std::int64_t at(int hour, int minute, int second = 0, int ms = 0) {
    return ((hour * 60LL + minute) * 60 + second) * 1000 + ms;
  }

  explicit FakeClock(std::int64_t wallMs = at(12, 0)) : wall_(wallMs) {}

  TimeOfDay localTime() override;
  std::int64_t steadyMilliseconds() override { return steady_; }
  std::unique_ptr<ScheduledCall> once(Milliseconds delay, std::function<void()> callback) override;
  std::unique_ptr<ScheduledCall> every(Milliseconds interval,
                                       std::function<void()> callback) override;
  std::unique_ptr<ScheduledCall> atEveryMinute(std::function<void()> callback) override;

  // Moves time on, running every call that falls due, in order.
  void advance(Milliseconds by);
  void advanceTo(std::int64_t wallMs);  // later the same day, or the next day
  // Sets the wall clock as a user or the network would; minute watchers
  // hear of it at once. Steady time does not move.
  void setWallClock(std::int64_t wallMs);

  std::int64_t wallMs() const { return wall_; }
  // At how many distinct moments the program was woken, and how many calls are pending.
  int wakeUps() const { return wakeUps_; }
  std::size_t pending() const { return entries_.size(); }

 private:
  enum class Kind { Once, Every, Minute };
  struct Entry {
    Kind kind;
    std::int64_t due = 0;
    std::int64_t period = 0;
    std::function<void()> callback;
  };
  class Call;

  std::unique_ptr<ScheduledCall> add(Entry entry);
  void cancel(int id) { entries_.erase(id); }
  void moveTo(std::int64_t steady);
  void fireMinuteWatchers();
  void countWakeUp();

  std::int64_t wall_;
  std::int64_t steady_ = 1'000'000;
  int nextId_ = 1;
  int wakeUps_ = 0;
  std::int64_t lastWake_ = -1;
  std::map<int, Entry> entries_;
};

}  // namespace kvirlo::testing
