#pragma once

#include "platform/window/view.h"
#include "platform/win32/WindowView.h"

namespace kvirlo::win32 {

// What the Windows program gives its Program: a Win32 view for each window,
// in the program's face.
class Win32ViewFactory : public ViewFactory {
 public:
  Win32ViewFactory(Scale scale, HFONT font) : scale_(scale), font_(font) {}
  std::unique_ptr<View> viewOf(Window& window, EventGate& gate) override {
    return std::make_unique<WindowView>(window, gate, scale_, font_);
  }
  // A view destroyed inside its own window procedure would pull the window
  // from under it: the message loop frees them.
  bool freesAfterEachEvent() const override { return false; }

 private:
  Scale scale_;
  HFONT font_;
};

}  // namespace kvirlo::win32
