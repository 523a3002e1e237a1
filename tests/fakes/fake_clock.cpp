#include "fakes/fake_clock.h"

#include <vector>

namespace kvirlo::testing {

namespace {
constexpr std::int64_t kDay = 24LL * 60 * 60 * 1000;
constexpr std::int64_t kMinute = 60'000;
}  // namespace

class FakeClock::Call : public ScheduledCall {
 public:
  Call(FakeClock& clock, int id) : clock_(clock), id_(id) {}
  ~Call() override { clock_.cancel(id_); }

 private:
  FakeClock& clock_;
  int id_;
};

TimeOfDay FakeClock::localTime() {
  std::int64_t t = ((wall_ % kDay) + kDay) % kDay;
  TimeOfDay d;
  d.millisecond = static_cast<int>(t % 1000);
  t /= 1000;
  d.second = static_cast<int>(t % 60);
  t /= 60;
  d.minute = static_cast<int>(t % 60);
  d.hour = static_cast<int>(t / 60);
  return d;
}

std::unique_ptr<ScheduledCall> FakeClock::add(Entry entry) {
  const int id = nextId_++;
  entries_.emplace(id, std::move(entry));
  return std::make_unique<Call>(*this, id);
}

std::unique_ptr<ScheduledCall> FakeClock::once(Milliseconds delay, std::function<void()> cb) {
  return add({Kind::Once, steady_ + delay.count(), 0, std::move(cb)});
}

std::unique_ptr<ScheduledCall> FakeClock::every(Milliseconds interval, std::function<void()> cb) {
  const std::int64_t period = interval.count() > 0 ? interval.count() : 1;
  return add({Kind::Every, steady_ + period, period, std::move(cb)});
}

std::unique_ptr<ScheduledCall> FakeClock::atEveryMinute(std::function<void()> cb) {
  return add({Kind::Minute, 0, 0, std::move(cb)});
}

void FakeClock::moveTo(std::int64_t steady) {
  wall_ += steady - steady_;
  steady_ = steady;
}

void FakeClock::fireMinuteWatchers() {
  std::vector<int> ids;
  for (const auto& [id, e] : entries_)
    if (e.kind == Kind::Minute) ids.push_back(id);
  for (int id : ids) {
    auto it = entries_.find(id);
    if (it == entries_.end()) continue;  // cancelled by an earlier watcher
    auto callback = it->second.callback;
    countWakeUp();
    callback();
  }
}

void FakeClock::countWakeUp() {
  if (lastWake_ == steady_) return;
  lastWake_ = steady_;
  ++wakeUps_;
}

void FakeClock::advance(Milliseconds by) {
  const std::int64_t end = steady_ + by.count();
  for (;;) {
    int best = 0;
    std::int64_t bestDue = 0;
    bool minuteWatchers = false;
    for (const auto& [id, e] : entries_) {
      if (e.kind == Kind::Minute) {
        minuteWatchers = true;
        continue;
      }
      if (e.due <= end && (best == 0 || e.due < bestDue)) {
        best = id;
        bestDue = e.due;
      }
    }
    const std::int64_t minuteStart = wall_ - (((wall_ % kMinute) + kMinute) % kMinute);
    const std::int64_t minuteDue = steady_ + (minuteStart + kMinute - wall_);
    if (minuteWatchers && minuteDue <= end && (best == 0 || minuteDue <= bestDue)) {
      moveTo(minuteDue);
      fireMinuteWatchers();
      continue;
    }
    if (best == 0) break;
    moveTo(bestDue);
    Entry& e = entries_.at(best);
    std::function<void()> callback = e.callback;
    if (e.kind == Kind::Every)
      e.due += e.period;
    else
      entries_.erase(best);
    countWakeUp();
    callback();
  }
  moveTo(end);
}

void FakeClock::advanceTo(std::int64_t wallMs) {
  std::int64_t delta = ((wallMs - wall_) % kDay + kDay) % kDay;
  advance(Milliseconds(delta));
}

void FakeClock::setWallClock(std::int64_t wallMs) {
  wall_ = wallMs;
  fireMinuteWatchers();
}

}  // namespace kvirlo::testing
