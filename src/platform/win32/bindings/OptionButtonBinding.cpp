#include "platform/win32/bindings/Binding.h"
#include "platform/win32/text.h"
#include "platform/window/window.h"

namespace kvirlo::win32 {
namespace {

// An option button that never chooses itself: the model keeps a group's
// choice.
class OptionButtonBinding : public Binding {
 public:
  using Binding::Binding;

  bool onCommand(WORD code) override { return forwardClick(code); }

 protected:
  // The arrows go round the option's group, choosing as they go.
  bool onOwnMessage(UINT message, WPARAM w, LPARAM, LRESULT& result) override {
    if (message != WM_KEYDOWN || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    if (w != VK_DOWN && w != VK_RIGHT && w != VK_UP && w != VK_LEFT) return false;
    const bool forward = w == VK_DOWN || w == VK_RIGHT;
    Control* c = &control_;
    bool moved = false;
    deliver([c, forward, &moved] { moved = c->window().moveInGroup(*c, forward); });
    result = 0;
    return moved;
  }

  Class windowClass() const override { return {L"BUTTON", WS_TABSTOP | BS_RADIOBUTTON}; }
  int captionMargin(HDC dc) const override { return markMargin(dc); }

  void applyOwn(Property property) override {
    if (property == Property::Text) SetWindowTextW(hwnd_, wide(control_.text()).c_str());
    if (property == Property::Value)
      SendMessageW(hwnd_, BM_SETCHECK, control_.value() ? BST_CHECKED : BST_UNCHECKED, 0);
  }
};

}  // namespace

std::unique_ptr<Binding> makeOptionButtonBinding(Control& control, BindingHost& host) {
  return std::make_unique<OptionButtonBinding>(control, host);
}

}  // namespace kvirlo::win32
