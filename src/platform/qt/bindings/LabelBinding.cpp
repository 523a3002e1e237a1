#include <QFontMetrics>
#include <QRegion>
#include <QStyle>

#include "platform/qt/bindings/Binding.h"
#include "platform/qt/text.h"
#include "platform/qt/widgets.h"

namespace kvirlo::qt {
namespace {

// Room for a bold face's overhang and an underline beside the measured text.
constexpr int kTextMargin = 2;

// A label: its text, wrapped when the label is taller than a line. Only its
// visible text takes the mouse, so a label lying over another leaves the
// other's text to the user.
class LabelBinding : public Binding {
 public:
  using Binding::Binding;

 protected:
  QWidget* create(QWidget* parent) override {
    label_ = new EventLabel(parent);
    label_->setWordWrap(control_.wrapsText());
    return label_;
  }

  void applyOwn(Property property) override {
    if (property != Property::Text) return;
    label_->setText(q(control_.text()));
    reshaped();
  }

  void forwardInput() override { forwardPointer(*label_); }

  void reshaped() override {
    const QString text = label_->text();
    label_->setAttribute(Qt::WA_TransparentForMouseEvents, text.isEmpty());
    if (text.isEmpty()) return;
    label_->setMask(QRegion(textArea(text).adjusted(-kTextMargin, -kTextMargin, kTextMargin, kTextMargin) &
                            label_->rect()));
  }

 private:
  QRect textArea(const QString& text) const {
    const QFontMetrics metrics(label_->font());
    const QRect inside = label_->contentsRect();
    if (label_->wordWrap())
      return metrics.boundingRect(inside, int(label_->alignment()) | Qt::TextWordWrap, text);
    return label_->style()->itemTextRect(metrics, inside, int(label_->alignment()), true, text);
  }

  EventLabel* label_ = nullptr;
};

}  // namespace

std::unique_ptr<Binding> labelBinding(Control& control, BindingHost& host) {
  return std::make_unique<LabelBinding>(control, host);
}

}  // namespace kvirlo::qt
