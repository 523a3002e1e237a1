#include "platform/qt/bindings/Binding.h"
#include "platform/qt/pictures.h"
#include "platform/qt/text.h"
#include "platform/qt/widgets.h"

namespace kvirlo::qt {
namespace {

// One of the program's pictures, drawn to the size of its box; the whole box
// takes the mouse.
class PictureBinding : public Binding {
 public:
  using Binding::Binding;

 protected:
  QWidget* create(QWidget* parent) override {
    label_ = new EventLabel(parent);
    const Rect& r = control_.geometry();
    label_->setPixmap(picture(q(control_.picture), QSize(scale().px(r.width), scale().px(r.height))));
    return label_;
  }

  void applyOwn(Property) override {}
  void forwardInput() override { forwardPointer(*label_); }

 private:
  EventLabel* label_ = nullptr;
};

}  // namespace

std::unique_ptr<Binding> makePictureBinding(Control& control, BindingHost& host) {
  return std::make_unique<PictureBinding>(control, host);
}

}  // namespace kvirlo::qt
