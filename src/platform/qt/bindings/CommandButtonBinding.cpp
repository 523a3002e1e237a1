#include <QPushButton>

#include "platform/qt/bindings/Binding.h"
#include "platform/qt/pictures.h"
#include "platform/qt/text.h"
#include "platform/qt/widgets.h"

namespace kvirlo::qt {
namespace {

// A push button with a caption or one of the program's pictures.
class CommandButtonBinding : public Binding {
 public:
  using Binding::Binding;

 protected:
  QWidget* create(QWidget* parent) override {
    button_ = new QPushButton(parent);
    if (!control_.picture.empty()) button_->setIcon(QIcon(picture(q(control_.picture), QSize(24, 16))));
    button_->setAutoDefault(false);
    return button_;
  }

  void applyOwn(Property property) override {
    if (property == Property::Text) button_->setText(q(control_.text()));
  }

  void forwardInput() override {
    Control* c = &control_;
    connect(button_, &QPushButton::clicked, this, [this, c] { deliver([c] { c->click(); }); });
    // Enter presses the button that has the focus, as Space does; no button
    // of the program is a window's default.
    button_->installEventFilter(new KeyFilter(button_, [self = guard()](int key) {
      if (key != keys::Enter || !self) return false;
      static_cast<QPushButton*>(self->widget())->click();
      return true;
    }));
  }

 private:
  QPushButton* button_ = nullptr;
};

}  // namespace

std::unique_ptr<Binding> makeCommandButtonBinding(Control& control, BindingHost& host) {
  return std::make_unique<CommandButtonBinding>(control, host);
}

}  // namespace kvirlo::qt
