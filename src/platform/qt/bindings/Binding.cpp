#include "platform/qt/bindings/Binding.h"

#include <QSignalBlocker>
#include <QWidget>
#include <algorithm>

#include "platform/qt/text.h"
#include "platform/qt/widgets.h"

namespace kvirlo::qt {

Binding::Binding(Control& control, BindingHost& host) : control_(control), host_(host) {}

Binding::~Binding() = default;

void Binding::build() {
  widget_ = create(host_.surface());
  applyFontAndTip();
  // A field or picture button says nothing of itself: the screen reader
  // speaks this name; the others speak their own caption.
  if (!control_.accessibleName.empty()) widget_->setAccessibleName(q(control_.accessibleName));
  for (Property p : {Property::Text, Property::Value, Property::Enabled, Property::Visible,
                     Property::BackColor, Property::ForeColor, Property::Range, Property::Locked,
                     Property::Geometry})
    apply(p);
  forwardInput();
}

void Binding::applyFontAndTip() {
  const Control& c = control_;
  if (!c.toolTip.empty()) widget_->setToolTip(q(c.toolTip));
  if (c.font.face.empty() && c.font.points <= 0 && !c.font.bold && !c.font.underline) return;
  QFont font = widget_->font();
  if (!c.font.face.empty()) font.setFamilies({q(c.font.face), font.family()});
  if (c.font.points > 0) font.setPointSizeF(c.font.points);
  font.setBold(c.font.bold);
  font.setUnderline(c.font.underline);
  widget_->setFont(font);
}

void Binding::apply(Property property) {
  if (!widget_) return;
  const QSignalBlocker quiet(widget_);
  switch (property) {
    case Property::Enabled:
      widget_->setEnabled(control_.enabled());
      // An enabled control keeps the mouse to itself; a disabled one lets
      // it through to the frame or window beneath.
      widget_->setAttribute(Qt::WA_NoMousePropagation, control_.enabled());
      break;
    case Property::Visible:
      widget_->setVisible(control_.visible());
      break;
    case Property::BackColor:
    case Property::ForeColor:
      if (control_.takesColours()) applyColours();
      break;
    case Property::Geometry: {
      const Rect& r = control_.geometry();
      const Scale s = scale();
      widget_->setGeometry(s.px(r.left), s.px(r.top), std::max(1, s.px(r.width)),
                           std::max(1, s.px(r.height)));
      reshaped();
      break;
    }
    case Property::Text:
    case Property::Value:
    case Property::Range:
    case Property::Locked:
      applyOwn(property);
      break;
  }
}

void Binding::applyColours() {
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::Window, toQColor(control_.backColor()));
  palette.setColor(QPalette::WindowText, toQColor(control_.foreColor()));
  widget_->setPalette(palette);
  widget_->setAutoFillBackground(true);
}

void Binding::forwardPointer(EventLabel& label) {
  Control* c = &control_;
  label.onMouseDown = [self = guard(), c](int b) {
    if (self) self->deliver([c, b] { c->mouseDown(b); });
  };
  label.onMouseUp = [self = guard(), c](int b) {
    if (self) self->deliver([c, b] { c->mouseUp(b); });
  };
  label.onClick = [self = guard(), c] {
    if (self) self->deliver([c] { c->click(); });
  };
  label.onMouseMove = [self = guard(), c] {
    if (self) self->deliver([c] { c->mouseMove(); });
  };
}

}  // namespace kvirlo::qt
