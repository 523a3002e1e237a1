#include <QSlider>

#include "platform/qt/bindings/Binding.h"

namespace kvirlo::qt {
namespace {

// A horizontal slider; the user's move is the model's move.
class SliderBinding : public Binding {
 public:
  using Binding::Binding;

 protected:
  QWidget* create(QWidget* parent) override {
    slider_ = new QSlider(Qt::Horizontal, parent);
    slider_->setSingleStep(control_.smallChange);
    slider_->setPageStep(control_.largeChange);
    return slider_;
  }

  void applyOwn(Property property) override {
    if (property == Property::Range) slider_->setRange(control_.minimum(), control_.maximum());
    if (property == Property::Value) slider_->setValue(control_.value());
  }

  void forwardInput() override {
    Control* c = &control_;
    connect(slider_, &QSlider::valueChanged, this,
            [this, c](int value) { deliver([c, value] { c->userMovesTo(value); }); });
  }

 private:
  QSlider* slider_ = nullptr;
};

}  // namespace

std::unique_ptr<Binding> makeSliderBinding(Control& control, BindingHost& host) {
  return std::make_unique<SliderBinding>(control, host);
}

}  // namespace kvirlo::qt
