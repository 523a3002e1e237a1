#include "platform/window/control.h"

#include <utility>

#include "platform/window/window.h"

namespace kvirlo {

Control::Control(Window& owner, std::string name, ControlKind kind, std::string text)
    : owner_(owner), name_(std::move(name)), kind_(kind), text_(std::move(text)) {
  owner_.addControl(*this);
}

void Control::changed(Property property) { owner_.controlChanged(*this, property); }

void Control::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  changed(Property::Text);
  if (kind_ == ControlKind::TextBox && onChange) onChange();
}

void Control::setValue(int value) {
  if (value == value_) return;
  if (kind_ == ControlKind::OptionButton && value != 0) {
    value = 1;
    if (value_ == 1) return;
    owner_.clearOtherOptions(*this);
  }
  value_ = value;
  changed(Property::Value);
  const bool fires = kind_ == ControlKind::CheckBox ||
                     (kind_ == ControlKind::OptionButton && value_ == 1);
  if (fires && onChange) onChange();
}

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  changed(Property::Enabled);
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  changed(Property::Visible);
}

void Control::setBackColor(Colour colour) {
  if (colour == backColor_ && backColorGiven_) return;
  backColorGiven_ = true;
  backColor_ = colour;
  paintsBackReported_ = paintsBack();
  changed(Property::BackColor);
  owner_.backdropChanged(this);
}

void Control::backdropChanged() {
  const bool paints = paintsBack();
  if (paints == paintsBackReported_) return;
  paintsBackReported_ = paints;
  changed(Property::BackColor);
}

void Control::setForeColor(Colour colour) {
  if (colour == foreColor_) return;
  foreColor_ = colour;
  changed(Property::ForeColor);
}

void Control::setGeometry(Rect rect) {
  if (rect == geometry_) return;
  geometry_ = rect;
  changed(Property::Geometry);
}

void Control::setLocked(bool locked) {
  if (locked == locked_) return;
  locked_ = locked;
  changed(Property::Locked);
}

void Control::setRange(int minimum, int maximum) {
  if (minimum == minimum_ && maximum == maximum_) return;
  minimum_ = minimum;
  maximum_ = maximum;
  changed(Property::Range);
}

bool Control::wrapsText() const { return kind_ == ControlKind::Label && geometry_.height > 300; }

bool Control::isHorizontalLine() const { return geometry_.width >= geometry_.height; }

bool Control::takesColours() const { return traitsOf(kind_).takesColours; }

bool Control::paintsBack() const {
  if (!takesColours()) return false;
  if (kind_ == ControlKind::TextBox) return true;
  // The colour of what lies beneath needs no painting of its own, and the
  // platform's frame shows through as it draws it.
  const Colour beneath = container ? container->backColor() : owner_.backColor();
  return backColorGiven_ && backColor_ != beneath;
}

void Control::click() {
  if (!enabled_) return;
  const int before = value_;
  switch (traitsOf(kind_).click) {
    case ControlTraits::Click::Toggles:
      setValue(value_ == check::Checked ? check::Unchecked : check::Checked);
      break;
    case ControlTraits::Click::Chooses:
      setValue(1);
      break;
    case ControlTraits::Click::RunsHandler:
      if (onClick) onClick();
      return;
  }
  if (value_ == before) changed(Property::Value);
}

void Control::userMovesTo(int value) {
  if (!enabled_) return;
  if (value < minimum_) value = minimum_;
  if (value > maximum_) value = maximum_;
  if (value == value_) return;
  value_ = value;
  changed(Property::Value);
  if (onScroll) onScroll();
}

void Control::userSpins(int step) {
  if (enabled_ && onSpin) onSpin(step);
}

void Control::keyDown(int key) {
  if (onKeyDown) onKeyDown(key);
}

void Control::mouseDown(int button) {
  if (onMouseDown) onMouseDown(button);
}

void Control::mouseUp(int button) {
  if (onMouseUp) onMouseUp(button);
}

void Control::mouseMove() {
  if (onMouseMove) onMouseMove();
}

}  // namespace kvirlo
