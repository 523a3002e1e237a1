#include "platform/qt/bindings/Binding.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QWidget>
#include <algorithm>

#include "platform/qt/text.h"
#include "platform/qt/widgets.h"
#include "platform/window/window.h"

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
  // From any control the keyboard opens the window's menu, if it has one,
  // rather than the control's own.
  Control* c = &control_;
  widget_->installEventFilter(new MenuKeyFilter(widget_, [self = guard(), c] {
    bool opened = false;
    if (self) self->deliver([c, &opened] { opened = c->window().menuKey(c); });
    return opened;
  }));
}

void Binding::applyFontAndTip() {
  const Control& c = control_;
  if (!c.toolTip.empty()) widget_->setToolTip(q(c.toolTip));
  designFont_ = widget_->font();
  if (c.font.face.empty() && c.font.points <= 0 && !c.font.bold && !c.font.underline) return;
  QFont font = widget_->font();
  if (!c.font.face.empty()) font.setFamilies({q(c.font.face), font.family()});
  if (c.font.points > 0) font.setPointSizeF(c.font.points);
  font.setBold(c.font.bold);
  font.setUnderline(c.font.underline);
  widget_->setFont(font);
  designFont_ = font;
}

// What the widget draws beside its caption's text, as its style lays it out.
int Binding::captionMargin() const {
  QWidget* w = widget_;
  QStyle* style = w->style();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement contents = qobject_cast<QCheckBox*>(w)      ? QStyle::SE_CheckBoxContents
                                        : qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                                         : QStyle::SE_PushButtonContents;
    // A push button's focus frame and margins sit inside its contents.
    const int inner = qobject_cast<QPushButton*>(w) ? 2 * style->pixelMetric(QStyle::PM_ButtonMargin, &option, w) : 0;
    return w->width() - style->subElementRect(contents, &option, w).width() + inner;
  }
  if (auto* frame = qobject_cast<QGroupBox*>(w)) {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.textAlignment = frame->alignment();
    const QRect title = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, w);
    return title.width() - frame->fontMetrics().horizontalAdvance(frame->title()) + 2 * title.left();
  }
  if (auto* label = qobject_cast<QLabel*>(w)) return w->width() - label->contentsRect().width();
  return 0;
}

void Binding::fitCaption() {
  const Control& c = control_;
  if (!showsCaption(c)) return;
  const Scale s = scale();
  const Rect& design = c.geometry();
  widget_->setFont(designFont_);
  widget_->setGeometry(s.px(design.left), s.px(design.top), std::max(1, s.px(design.width)),
                       std::max(1, s.px(design.height)));
  const int margin = captionMargin();
  const QString text = q(c.text());
  const CaptionFit fit = kvirlo::fitCaption(c, s, designFont_.pointSizeF(), [&](double points, int wrapWidth) {
    QFont font = designFont_;
    font.setPointSizeF(points);
    const QFontMetrics metrics(font);
    if (wrapWidth <= 0) return TextExtent{metrics.horizontalAdvance(text) + margin, metrics.height()};
    const QRect r = metrics.boundingRect(QRect(0, 0, wrapWidth - margin, 1 << 20), Qt::TextWordWrap, text);
    return TextExtent{r.width() + margin, r.height()};
  });
  if (fit.points > 0 && fit.points != designFont_.pointSizeF()) {
    QFont font = designFont_;
    font.setPointSizeF(fit.points);
    widget_->setFont(font);
  }
  widget_->setGeometry(s.px(fit.box.left), s.px(fit.box.top), std::max(1, s.px(fit.box.width)),
                       std::max(1, s.px(fit.box.height)));
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
      fitCaption();
      reshaped();
      break;
    }
    case Property::Text:
      applyOwn(property);
      fitCaption();
      reshaped();
      break;
    case Property::Value:
    case Property::Range:
    case Property::Locked:
      applyOwn(property);
      break;
    case Property::Name:  // a window's, never a control's
      break;
  }
}

// A disabled control keeps the platform's grey text, whatever its colours.
// Buttons draw their back in the Button role: a check box or option button
// takes its back colour there too.
void Binding::applyColours() {
  QPalette palette = widget_->palette();
  const bool paintsBack = control_.paintsBack();
  if (paintsBack) {
    palette.setColor(QPalette::Window, toQColor(control_.backColor()));
    palette.setColor(QPalette::Button, toQColor(control_.backColor()));
  }
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
    palette.setColor(group, QPalette::WindowText, toQColor(control_.foreColor()));
  widget_->setPalette(palette);
  widget_->setBackgroundRole(QPalette::Window);
  widget_->setAutoFillBackground(paintsBack);
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
