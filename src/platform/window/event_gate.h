#pragma once

#include <functional>

namespace kvirlo {

// Every event the system hands to the program passes through here: a user's
// input, a timer, the tray. Nothing thrown escapes into the toolkit, and
// windows unloaded during an event are freed once the outermost event is
// over (a message box's own event loop nests inside another event).
class EventGate {
 public:
  // Once the process has ended (a stand-in's end, see Process::Ended) no
  // event runs any more.
  void run(const std::function<void()>& event);
  bool busy() const { return depth_ > 0; }
  bool ended() const { return ended_; }
  std::function<void()> afterEvent;

 private:
  int depth_ = 0;
  bool ended_ = false;
};

}  // namespace kvirlo
