#include "platform/window/event_gate.h"

#include <cstdio>

namespace kvirlo {

void EventGate::run(const std::function<void()>& event) {
  if (closed_) return;
  ++depth_;
  try {
    event();
  } catch (...) {
    // A fault handler that throws in turn must not reach the toolkit either.
    try {
      if (onFault) onFault(std::current_exception());
    } catch (...) {
    }
  }
  --depth_;
  if (depth_ == 0 && !closed_ && afterEvent) afterEvent();
}

void EventGate::report(std::exception_ptr fault) {
  try {
    std::rethrow_exception(fault);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kvirlo: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "kvirlo: unexpected error\n");
  }
}

}  // namespace kvirlo
