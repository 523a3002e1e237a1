#include "platform/win32/bindings/Binding.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {
namespace {

// A check box that never ticks itself: a click is the model's click, and the
// model's value is what it shows.
class CheckBoxBinding : public Binding {
 public:
  using Binding::Binding;

  bool onCommand(WORD code) override { return forwardClick(code); }

 protected:
  Class windowClass() const override { return {L"BUTTON", WS_TABSTOP | BS_3STATE}; }
  int captionMargin(HDC dc) const override { return markMargin(dc); }

  void applyOwn(Property property) override {
    if (property == Property::Text) SetWindowTextW(hwnd_, wide(control_.text()).c_str());
    if (property != Property::Value) return;
    const int value = control_.value();
    SendMessageW(hwnd_, BM_SETCHECK,
                 value == check::Checked  ? BST_CHECKED
                 : value == check::Grayed ? BST_INDETERMINATE
                                          : BST_UNCHECKED,
                 0);
  }
};

}  // namespace

std::unique_ptr<Binding> makeCheckBoxBinding(Control& control, BindingHost& host) {
  return std::make_unique<CheckBoxBinding>(control, host);
}

}  // namespace kvirlo::win32
