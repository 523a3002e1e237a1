#include "platform/window/event_gate.h"

#include <cstdio>
#include <exception>

#include "platform/services/process.h"

namespace kvirlo {

void EventGate::run(const std::function<void()>& event) {
  if (ended_) return;
  ++depth_;
  try {
    event();
  } catch (const Process::Ended&) {
    ended_ = true;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kvirlo: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "kvirlo: unexpected error\n");
  }
  --depth_;
  if (depth_ == 0 && !ended_ && afterEvent) afterEvent();
}

}  // namespace kvirlo
