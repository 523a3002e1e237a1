#include "platform/qt/bindings/Binding.h"
#include "platform/qt/text.h"
#include "platform/qt/widgets.h"

namespace kvirlo::qt {
namespace {

// A frame with its title; a button released over its bare surface is its own.
class FrameBinding : public Binding {
 public:
  using Binding::Binding;

 protected:
  QWidget* create(QWidget* parent) override { return frame_ = new EventGroupBox(parent); }

  void applyOwn(Property property) override {
    if (property == Property::Text) frame_->setTitle(q(control_.text()));
  }

  void forwardInput() override {
    Control* c = &control_;
    frame_->onMouseUp = [self = guard(), c](int b) {
      if (self) self->deliver([c, b] { c->mouseUp(b); });
    };
  }

 private:
  EventGroupBox* frame_ = nullptr;
};

}  // namespace

std::unique_ptr<Binding> makeFrameBinding(Control& control, BindingHost& host) {
  return std::make_unique<FrameBinding>(control, host);
}

}  // namespace kvirlo::qt
