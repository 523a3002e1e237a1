#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>

#include "platform/qt/bindings/Binding.h"
#include "platform/qt/text.h"
#include "platform/qt/widgets.h"

namespace kvirlo::qt {
namespace {

// A text field: one line, or several with a scroll bar. Whatever changes its
// text sets the model's: typing, pasting, an input method, a screen reader
// (which sets the whole text at once, with no key). Every key reaches the
// model first, and a locked field then refuses it.
class TextBoxBinding : public Binding {
 public:
  using Binding::Binding;

 protected:
  QWidget* create(QWidget* parent) override {
    if (control_.multiLine) {
      lines_ = new QPlainTextEdit(parent);
      lines_->setVerticalScrollBarPolicy(control_.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                   : Qt::ScrollBarAsNeeded);
      lines_->setReadOnly(control_.readOnly);
      lines_->setTabChangesFocus(true);  // Enter breaks a line; Tab goes on
      return lines_;
    }
    line_ = new QLineEdit(parent);
    line_->setReadOnly(control_.readOnly);
    return line_;
  }

  void applyOwn(Property property) override {
    if (property != Property::Text) return;  // the key filter asks for Locked at every key
    const QString text = q(control_.text());
    if (lines_) {
      if (lines_->toPlainText() != text) lines_->setPlainText(text);
      return;
    }
    if (control_.maxLength > 0) line_->setMaxLength(std::max<int>(control_.maxLength, text.size()));
    if (line_->text() != text) line_->setText(text);
  }

  void applyColours() override {
    QPalette palette = widget()->palette();
    palette.setColor(QPalette::Base, toQColor(control_.backColor()));
    // A disabled field keeps the platform's grey text, as every other
    // disabled control does.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
      palette.setColor(group, QPalette::Text, toQColor(control_.foreColor()));
    widget()->setPalette(palette);
  }

  void forwardInput() override {
    Control* c = &control_;
    if (lines_) {
      connect(lines_, &QPlainTextEdit::textChanged, this, [this, c] {
        const std::string text = lines_->toPlainText().toStdString();
        deliver([c, text] { c->setText(text); });
      });
      return;
    }
    // Not textEdited: a text set through the accessibility interface is
    // only textChanged. The model's own copies come blocked.
    connect(line_, &QLineEdit::textChanged, this,
            [this, c](const QString& text) { deliver([c, text] { c->setText(text.toStdString()); }); });
    line_->installEventFilter(new KeyFilter(line_, [self = guard(), c](int key) {
      bool refused = false;
      if (self) self->deliver([c, key, &refused] {
        c->keyDown(key);
        refused = c->locked();
      });
      return refused;
    }));
  }

 private:
  QLineEdit* line_ = nullptr;
  QPlainTextEdit* lines_ = nullptr;
};

}  // namespace

std::unique_ptr<Binding> makeTextBoxBinding(Control& control, BindingHost& host) {
  return std::make_unique<TextBoxBinding>(control, host);
}

}  // namespace kvirlo::qt
