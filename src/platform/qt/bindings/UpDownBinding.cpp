#include "platform/qt/bindings/Binding.h"
#include "platform/qt/widgets.h"

namespace kvirlo::qt {
namespace {

// Up and down arrows that step the model; they keep no number of their own.
class UpDownBinding : public Binding {
 public:
  using Binding::Binding;

 protected:
  QWidget* create(QWidget* parent) override { return arrows_ = new SpinArrows(parent); }

  void applyOwn(Property) override {}

  void forwardInput() override {
    Control* c = &control_;
    arrows_->onStep = [self = guard(), c](int step) {
      if (self) self->deliver([c, step] { c->userSpins(step); });
    };
  }

 private:
  SpinArrows* arrows_ = nullptr;
};

}  // namespace

std::unique_ptr<Binding> makeUpDownBinding(Control& control, BindingHost& host) {
  return std::make_unique<UpDownBinding>(control, host);
}

}  // namespace kvirlo::qt
