#include "platform/win32/clock.h"

#include <algorithm>
#include <vector>

namespace kvirlo::win32 {
namespace {

// Window timers may come a tick early; aiming a little past the minute's
// start keeps the reading inside the new minute.
constexpr UINT kMinuteSlackMs = 30;

class TimerCall : public ScheduledCall {
 public:
  TimerCall(WindowTimerClock& clock, UINT_PTR id, std::shared_ptr<bool> alive)
      : clock_(clock), id_(id), alive_(std::move(alive)) {}
  ~TimerCall() override {
    if (*alive_) clock_.cancel(id_);
  }

 private:
  WindowTimerClock& clock_;
  UINT_PTR id_;
  std::shared_ptr<bool> alive_;
};

UINT clampDelay(Milliseconds delay) {
  return static_cast<UINT>(std::clamp<long long>(delay.count(), USER_TIMER_MINIMUM, 0x7FFFFFFF));
}

}  // namespace

WindowTimerClock::WindowTimerClock(SystemWindow& window, EventGate& gate)
    : window_(window), gate_(gate) {
  window_.listen([this](UINT message, WPARAM w, LPARAM, LRESULT& result) {
    if (message == WM_TIMER) {
      fire(w);
      result = 0;
      return true;
    }
    if (message == WM_TIMECHANGE ||
        (message == WM_POWERBROADCAST && (w == PBT_APMRESUMEAUTOMATIC || w == PBT_APMRESUMESUSPEND))) {
      clockJumped();
      result = TRUE;
      return message == WM_TIMECHANGE;  // power messages go on to the default answer
    }
    return false;
  });
}

WindowTimerClock::~WindowTimerClock() {
  *alive_ = false;
  for (const auto& [id, entry] : entries_) KillTimer(window_.handle(), id);
  KillTimer(window_.handle(), kMinuteTimer);
}

TimeOfDay WindowTimerClock::localTime() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

std::int64_t WindowTimerClock::steadyMilliseconds() {
  return static_cast<std::int64_t>(GetTickCount64());
}

UINT WindowTimerClock::delayToNextMinute(const TimeOfDay& now) {
  const int left = (59 - now.second) * 1000 + (1000 - now.millisecond);
  return static_cast<UINT>(std::max(left, 1)) + kMinuteSlackMs;
}

UINT_PTR WindowTimerClock::add(Kind kind, std::function<void()> callback) {
  const UINT_PTR id = nextId_++;
  entries_[id] = {kind, std::make_shared<std::function<void()>>(std::move(callback))};
  return id;
}

std::unique_ptr<ScheduledCall> WindowTimerClock::once(Milliseconds delay,
                                                      std::function<void()> callback) {
  const UINT_PTR id = add(Kind::Once, std::move(callback));
  SetTimer(window_.handle(), id, clampDelay(delay), nullptr);
  return std::make_unique<TimerCall>(*this, id, alive_);
}

std::unique_ptr<ScheduledCall> WindowTimerClock::every(Milliseconds interval,
                                                       std::function<void()> callback) {
  const UINT_PTR id = add(Kind::Every, std::move(callback));
  SetTimer(window_.handle(), id, clampDelay(interval), nullptr);
  return std::make_unique<TimerCall>(*this, id, alive_);
}

std::unique_ptr<ScheduledCall> WindowTimerClock::atEveryMinute(std::function<void()> callback) {
  const bool armed = anyMinuteWatch();
  const UINT_PTR id = add(Kind::Minute, std::move(callback));
  if (!armed) armMinute();
  return std::make_unique<TimerCall>(*this, id, alive_);
}

void WindowTimerClock::cancel(UINT_PTR id) {
  const auto it = entries_.find(id);
  if (it == entries_.end()) return;
  const bool minute = it->second.kind == Kind::Minute;
  entries_.erase(it);
  if (!minute)
    KillTimer(window_.handle(), id);
  else if (!anyMinuteWatch())
    KillTimer(window_.handle(), kMinuteTimer);
}

bool WindowTimerClock::anyMinuteWatch() const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [](const auto& entry) { return entry.second.kind == Kind::Minute; });
}

void WindowTimerClock::armMinute() {
  SetTimer(window_.handle(), kMinuteTimer, delayToNextMinute(localTime()), nullptr);
}

void WindowTimerClock::fire(UINT_PTR id) {
  if (id == kMinuteTimer) return minuteStarted();
  auto it = entries_.find(id);
  if (it == entries_.end()) {
    KillTimer(window_.handle(), id);
    return;
  }
  // Keep the callback alive even if the call cancels itself.
  const std::shared_ptr<std::function<void()>> callback = it->second.callback;
  if (it->second.kind == Kind::Once) cancel(id);
  gate_.run([&] { (*callback)(); });
}

void WindowTimerClock::minuteStarted() {
  if (!anyMinuteWatch()) {
    KillTimer(window_.handle(), kMinuteTimer);
    return;
  }
  const TimeOfDay now = localTime();
  armMinute();
  if (now.second == 59 && now.millisecond >= 500) return;  // early: not this minute yet
  callMinuteWatches();
}

void WindowTimerClock::clockJumped() {
  if (!anyMinuteWatch()) return;
  armMinute();
  callMinuteWatches();
}

void WindowTimerClock::callMinuteWatches() {
  std::vector<UINT_PTR> minutes;
  for (const auto& [id, entry] : entries_)
    if (entry.kind == Kind::Minute) minutes.push_back(id);
  for (UINT_PTR id : minutes) {
    auto it = entries_.find(id);
    if (it == entries_.end()) continue;  // an earlier call cancelled it
    const auto callback = it->second.callback;
    gate_.run([&] { (*callback)(); });
  }
}

}  // namespace kvirlo::win32
