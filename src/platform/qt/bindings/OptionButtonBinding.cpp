#include <QButtonGroup>
#include <QRadioButton>

#include "platform/qt/bindings/Binding.h"
#include "platform/qt/text.h"
#include "platform/qt/widgets.h"
#include "platform/window/window.h"

namespace kvirlo::qt {
namespace {

// An option button: the model keeps a group's choice, so the buttons do
// not exclude each other on their own. A group of its own that excludes
// nothing keeps Qt from doing it, while the button stays auto-exclusive and
// so is announced as an option button rather than a check box. Any change
// of its state by the user is the model's click (a screen reader's toggle
// changes it without a click); the model then shows what it chose.
class OptionButtonBinding : public Binding {
 public:
  using Binding::Binding;

 protected:
  QWidget* create(QWidget* parent) override {
    radio_ = new QRadioButton(parent);
    auto* alone = new QButtonGroup(radio_);
    alone->setExclusive(false);
    alone->addButton(radio_);
    return radio_;
  }

  void applyOwn(Property property) override {
    if (property == Property::Text) radio_->setText(q(control_.text()));
    if (property == Property::Value) radio_->setChecked(control_.value() != 0);
  }

  void forwardInput() override {
    Control* c = &control_;
    connect(radio_, &QRadioButton::toggled, this, [this, c] { deliver([c] { c->click(); }); });
    // The arrows go round the group: the program's group, not Qt's.
    radio_->installEventFilter(new ArrowFilter(radio_, [self = guard(), c](bool forward) {
      bool moved = false;
      if (self) self->deliver([c, forward, &moved] { moved = c->window().moveInGroup(*c, forward); });
      return moved;
    }));
  }

 private:
  QRadioButton* radio_ = nullptr;
};

}  // namespace

std::unique_ptr<Binding> makeOptionButtonBinding(Control& control, BindingHost& host) {
  return std::make_unique<OptionButtonBinding>(control, host);
}

}  // namespace kvirlo::qt
