#include "platform/win32/bindings/Binding.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {
namespace {

// A frame with its title. A group box lets the mouse through to the window,
// which gives a release over the frame's bare surface to the innermost frame.
class FrameBinding : public Binding {
 public:
  using Binding::Binding;

 protected:
  Class windowClass() const override { return {L"BUTTON", BS_GROUPBOX}; }
  int captionMargin(HDC) const override { return scaledPixels(20); }

  // Frames lie under the controls they hold.
  void stack() override {
    SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  void applyOwn(Property property) override {
    if (property == Property::Text) SetWindowTextW(hwnd_, wide(control_.text()).c_str());
  }
};

}  // namespace

std::unique_ptr<Binding> makeFrameBinding(Control& control, BindingHost& host) {
  return std::make_unique<FrameBinding>(control, host);
}

}  // namespace kvirlo::win32
