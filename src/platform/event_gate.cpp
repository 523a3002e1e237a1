#include "platform/event_gate.h"

#include <cstdio>
#include <exception>

namespace kvirlo {

void EventGate::run(const std::function<void()>& event) {
  ++depth_;
  try {
    event();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kvirlo: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "kvirlo: unexpected error\n");
  }
  --depth_;
  if (depth_ == 0 && afterEvent) afterEvent();
}

}  // namespace kvirlo
