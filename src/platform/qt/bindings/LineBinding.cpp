#include <QFrame>

#include "platform/qt/bindings/Binding.h"

namespace kvirlo::qt {
namespace {

// A sunken line along the longer side of its box.
class LineBinding : public Binding {
 public:
  using Binding::Binding;

 protected:
  QWidget* create(QWidget* parent) override {
    auto* line = new QFrame(parent);
    line->setFrameShape(control_.isHorizontalLine() ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
  }

  void applyOwn(Property) override {}
  void forwardInput() override {}
};

}  // namespace

std::unique_ptr<Binding> makeLineBinding(Control& control, BindingHost& host) {
  return std::make_unique<LineBinding>(control, host);
}

}  // namespace kvirlo::qt
