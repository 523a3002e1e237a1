#pragma once

#include <exception>
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
  // Once closed, no event runs any more: the program is ending.
  void close() { closed_ = true; }
  bool closed() const { return closed_; }
  std::function<void()> afterEvent;
  // What becomes of a fault an event let out; by default it is written to
  // stderr and the program goes on.
  std::function<void(std::exception_ptr)> onFault = report;
  static void report(std::exception_ptr fault);

 private:
  int depth_ = 0;
  bool closed_ = false;
};

}  // namespace kvirlo
