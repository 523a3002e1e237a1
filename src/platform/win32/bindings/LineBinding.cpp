#include "platform/win32/bindings/Binding.h"

namespace kvirlo::win32 {
namespace {

// An etched line along the longer side of its box.
class LineBinding : public Binding {
 public:
  using Binding::Binding;

 protected:
  Class windowClass() const override {
    return {L"STATIC", DWORD(control_.isHorizontalLine() ? SS_ETCHEDHORZ : SS_ETCHEDVERT)};
  }
  void applyOwn(Property) override {}
};

}  // namespace

std::unique_ptr<Binding> makeLineBinding(Control& control, BindingHost& host) {
  return std::make_unique<LineBinding>(control, host);
}

}  // namespace kvirlo::win32
