#include "platform/win32/bindings/Binding.h"

#include <commctrl.h>

namespace kvirlo::win32 {
namespace {

// A horizontal track bar without ticks; the user's move is the model's move.
class SliderBinding : public Binding {
 public:
  using Binding::Binding;

  void onScroll() override {
    if (host_.applying()) return;
    Control* c = &control_;
    const int position = static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0));
    if (position != c->value()) deliver([c, position] { c->userMovesTo(position); });
  }

 protected:
  Class windowClass() const override {
    return {TRACKBAR_CLASSW, WS_TABSTOP | TBS_HORZ | TBS_BOTH | TBS_NOTICKS};
  }

  void created() override {
    SendMessageW(hwnd_, TBM_SETLINESIZE, 0, control_.smallChange);
    SendMessageW(hwnd_, TBM_SETPAGESIZE, 0, control_.largeChange);
  }

  void applyOwn(Property property) override {
    if (property == Property::Range) {
      SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, control_.minimum());
      SendMessageW(hwnd_, TBM_SETRANGEMAX, TRUE, control_.maximum());
    }
    if (property == Property::Range || property == Property::Value)
      SendMessageW(hwnd_, TBM_SETPOS, TRUE, control_.value());
  }
};

}  // namespace

std::unique_ptr<Binding> makeSliderBinding(Control& control, BindingHost& host) {
  return std::make_unique<SliderBinding>(control, host);
}

}  // namespace kvirlo::win32
