#pragma once

#include "platform/event_gate.h"
#include "platform/qt/WindowView.h"
#include "platform/view_registry.h"

namespace kvirlo::qt {

// The whole program's view: one Qt WindowView for each window that exists.
class QtView : public ViewRegistry<WindowView> {
 public:
  QtView(EventGate& gate, Scale scale)
      : ViewRegistry([&gate, scale](Window& w) { return std::make_unique<WindowView>(w, gate, scale); }) {}
};

}  // namespace kvirlo::qt
