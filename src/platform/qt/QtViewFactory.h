#pragma once

#include <memory>

#include "platform/qt/WindowView.h"
#include "platform/window/view.h"

namespace kvirlo::qt {

// What the Linux program gives its Program: a Qt view for each window.
class QtViewFactory : public ViewFactory {
 public:
  explicit QtViewFactory(Scale scale) : scale_(scale) {}
  std::unique_ptr<View> viewOf(Window& window, EventGate& gate) override {
    return std::make_unique<WindowView>(window, gate, scale_);
  }

 private:
  Scale scale_;
};

}  // namespace kvirlo::qt
