#include <QFontMetrics>
#include <QRegion>
#include <QStyle>

#include "platform/qt/bindings/Binding.h"
#include "platform/qt/text.h"
#include "platform/qt/widgets.h"

namespace kvirlo::qt {
namespace {

// A label: its text, wrapped when the label is taller than a line. Where
// its box meets another control's, only its visible text takes the mouse,
// so a label lying over another leaves the other's text to the user.
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
    const QRegion whole(label_->rect());
    QRegion hitArea = whole;
    for (const Rect& part : sharedParts(control_)) hitArea -= inLabel(part);
    const int m = kTextHitMargin;
    if (!label_->text().isEmpty()) hitArea += textArea().adjusted(-m, -m, m, m);
    hitArea &= whole;
    label_->setAttribute(Qt::WA_TransparentForMouseEvents, hitArea.isEmpty());
    if (hitArea == whole) label_->clearMask();
    else if (!hitArea.isEmpty()) label_->setMask(hitArea);
  }

 private:
  QRect textArea() const {
    const QFontMetrics metrics(label_->font());
    const QRect inside = label_->contentsRect();
    const int align = int(label_->alignment());
    if (label_->wordWrap()) return metrics.boundingRect(inside, align | Qt::TextWordWrap, label_->text());
    return label_->style()->itemTextRect(metrics, inside, align, true, label_->text());
  }

  // A part of the window (twips) in the label's own pixels.
  QRect inLabel(const Rect& part) const {
    const Scale s = scale();
    const Rect& box = control_.geometry();
    return QRect(s.px(part.left) - s.px(box.left), s.px(part.top) - s.px(box.top), s.px(part.width),
                 s.px(part.height));
  }

  EventLabel* label_ = nullptr;
};

}  // namespace

std::unique_ptr<Binding> makeLabelBinding(Control& control, BindingHost& host) {
  return std::make_unique<LabelBinding>(control, host);
}

}  // namespace kvirlo::qt
