#include "platform/window/timer.h"

#include <utility>

#include "platform/window/window.h"

namespace kvirlo {

Timer::Timer(Window& owner, std::string name, int intervalMs, bool enabled, Cadence cadence,
             Milliseconds firstDelay)
    : owner_(owner),
      name_(std::move(name)),
      intervalMs_(intervalMs),
      cadence_(cadence),
      firstDelay_(firstDelay) {
  owner_.addTimer(*this);
  setEnabled(enabled);
}

void Timer::setEnabled(bool enabled) {
  if (!enabled) {
    enabled_ = false;
    first_.reset();
    repeat_.reset();
    return;
  }
  if (owner_.isUnloaded()) return;
  if (enabled_ && cadence_ == Cadence::Interval) return;
  enabled_ = true;
  arm();
}

void Timer::arm() {
  Clock& clock = owner_.context().clock;
  if (cadence_ == Cadence::Interval) {
    repeat_ = clock.every(Milliseconds(intervalMs_), [this] { tick(); });
    return;
  }
  first_ = clock.once(firstDelay_, [this] {
    first_.reset();
    tick();
  });
  if (!repeat_) repeat_ = clock.atEveryMinute([this] { tick(); });
}

void Timer::tick() {
  if (enabled_ && onTick) onTick();
}

}  // namespace kvirlo
