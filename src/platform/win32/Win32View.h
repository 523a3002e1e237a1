#pragma once

#include "platform/event_gate.h"
#include "platform/view_registry.h"
#include "platform/win32/WindowView.h"

namespace kvirlo::win32 {

// The whole program's view: one Win32 WindowView for each window that exists.
class Win32View : public ViewRegistry<WindowView> {
 public:
  Win32View(EventGate& gate, Scale scale, HFONT font)
      : ViewRegistry([&gate, scale, font](Window& w) {
          return std::make_unique<WindowView>(w, gate, scale, font);
        }) {}
};

}  // namespace kvirlo::win32
