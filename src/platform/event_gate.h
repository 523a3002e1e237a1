#pragma once

#include <functional>

namespace kvirlo {

// Every event the system hands to the program passes through here: a user's
// input, a timer, the tray. Nothing thrown escapes into the toolkit, and
// windows unloaded during an event are freed once the outermost event is
// over (a message box's own event loop nests inside another event).
class EventGate {
 public:
  void run(const std::function<void()>& event);
  bool busy() const { return depth_ > 0; }
  std::function<void()> afterEvent;

 private:
  int depth_ = 0;
};

}  // namespace kvirlo
