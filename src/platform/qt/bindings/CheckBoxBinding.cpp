#include <QCheckBox>

#include "platform/qt/bindings/Binding.h"
#include "platform/qt/text.h"

namespace kvirlo::qt {
namespace {

// A check box: ticked, unticked or grey as the model says. Any change of its
// state by the user is the model's click, which decides the tick: a mouse
// click, Space, or a screen reader's toggle, which changes the state
// without a click.
class CheckBoxBinding : public Binding {
 public:
  using Binding::Binding;

 protected:
  QWidget* create(QWidget* parent) override { return box_ = new QCheckBox(parent); }

  void applyOwn(Property property) override {
    if (property == Property::Text) box_->setText(q(control_.text()));
    if (property != Property::Value) return;
    const int value = control_.value();
    box_->setTristate(value == check::Grayed);
    box_->setCheckState(value == check::Checked  ? Qt::Checked
                        : value == check::Grayed ? Qt::PartiallyChecked
                                                 : Qt::Unchecked);
  }

  void forwardInput() override {
    Control* c = &control_;
    // Qt 6.7 renamed the signal and deprecated the old one.
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    connect(box_, &QCheckBox::checkStateChanged, this, [this, c] { deliver([c] { c->click(); }); });
#else
    connect(box_, &QCheckBox::stateChanged, this, [this, c] { deliver([c] { c->click(); }); });
#endif
  }

 private:
  QCheckBox* box_ = nullptr;
};

}  // namespace

std::unique_ptr<Binding> makeCheckBoxBinding(Control& control, BindingHost& host) {
  return std::make_unique<CheckBoxBinding>(control, host);
}

}  // namespace kvirlo::qt
