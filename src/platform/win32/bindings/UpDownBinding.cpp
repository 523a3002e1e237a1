#include "platform/win32/bindings/Binding.h"

#include <commctrl.h>

namespace kvirlo::win32 {
namespace {

// Up and down arrows that step the model; they keep no number of their own.
class UpDownBinding : public Binding {
 public:
  using Binding::Binding;

  bool onNotify(const NMHDR& header, LRESULT& result) override {
    if (header.code != UDN_DELTAPOS) return false;
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    Control* c = &control_;
    const int step = change.iDelta > 0 ? 1 : -1;
    deliver([c, step] { c->userSpins(step); });
    result = TRUE;  // refused: the arrows keep no number
    return true;
  }

 protected:
  Class windowClass() const override { return {UPDOWN_CLASSW, UDS_ARROWKEYS}; }
  void created() override { SendMessageW(hwnd_, UDM_SETRANGE32, 0, 100000); }
  void applyOwn(Property) override {}
};

}  // namespace

std::unique_ptr<Binding> makeUpDownBinding(Control& control, BindingHost& host) {
  return std::make_unique<UpDownBinding>(control, host);
}

}  // namespace kvirlo::win32
