#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/services/clock.h"

namespace kvirlo {

class Window;

// A window's timer. `Interval` ticks every interval while enabled. A timer
// whose job is to watch the minutes (`MinuteStarts`) is not polled: it ticks
// once `firstDelay` after it is enabled, then at the start of every minute
// and whenever the clock jumps, which is all such a job can see.
class Timer {
 public:
  enum class Cadence { Interval, MinuteStarts };

  Timer(Window& owner, std::string name, int intervalMs, bool enabled,
        Cadence cadence = Cadence::Interval, Milliseconds firstDelay = Milliseconds(0));
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return name_; }
  int interval() const { return intervalMs_; }
  Cadence cadence() const { return cadence_; }
  bool enabled() const { return enabled_; }

  // Enabling a minute watch that is already on asks for a prompt tick
  // again, so a new condition is looked at at once.
  void setEnabled(bool enabled);

  std::function<void()> onTick;

 private:
  void arm();
  void tick();

  Window& owner_;
  std::string name_;
  int intervalMs_;
  bool enabled_ = false;
  Cadence cadence_;
  Milliseconds firstDelay_;
  std::unique_ptr<ScheduledCall> first_;
  std::unique_ptr<ScheduledCall> repeat_;
};

}  // namespace kvirlo
