#include "platform/window/window.h"

#include <algorithm>
#include <utility>

#include "platform/window/control.h"
#include "platform/window/menu_item.h"
#include "platform/window/tab_order.h"
#include "platform/window/timer.h"

namespace kvirlo {

const char* windowName(WindowId id) {
#define KVIRLO_WINDOW_NAME(name) #name,
  static constexpr const char* names[] = {KVIRLO_WINDOWS(KVIRLO_WINDOW_NAME)};
#undef KVIRLO_WINDOW_NAME
  return windowIndex(id) < kWindowCount ? names[windowIndex(id)] : "";
}

Window::Window(ModelContext& context, WindowId id, std::string caption)
    : context_(context), id_(id), caption_(std::move(caption)) {}

bool Window::observing() const { return context_.observer && announced_ && !unloaded_; }

void Window::announce() {
  announced_ = true;
  if (context_.observer) context_.observer->windowCreated(*this);
}

void Window::changed(Property property) {
  if (observing()) context_.observer->windowChanged(*this, property);
}

void Window::request(WindowRequest request) {
  if (observing()) context_.observer->windowRequest(*this, request);
}

void Window::controlChanged(Control& control, Property property) {
  if (observing()) context_.observer->controlChanged(control, property);
  const bool shownText = property == Property::Text || property == Property::Visible;
  if (border == BorderStyle::None && control.kind() == ControlKind::Label && shownText)
    changed(Property::Name);
}

void Window::setCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  changed(Property::Text);  // the name too, where the caption is it
}

std::string Window::accessibleName() const {
  if (border != BorderStyle::None) return caption_;
  std::vector<const Control*> labels;
  for (const Control* c : controls_)
    if (c->kind() == ControlKind::Label && c->visible() && !c->text().empty()) labels.push_back(c);
  std::stable_sort(labels.begin(), labels.end(), [](const Control* a, const Control* b) {
    const Rect& p = a->geometry();
    const Rect& q = b->geometry();
    return p.top != q.top ? p.top < q.top : p.left < q.left;
  });
  std::string name;
  for (const Control* label : labels) name += (name.empty() ? "" : " ") + label->text();
  return name.empty() ? caption_ : name;
}

void Window::setLeft(double left) {
  Rect r = geometry_;
  r.left = left;
  setGeometry(r);
}

void Window::setTop(double top) {
  Rect r = geometry_;
  r.top = top;
  setGeometry(r);
}

void Window::setHeight(double height) {
  Rect r = geometry_;
  r.height = height;
  setGeometry(r);
}

void Window::setGeometry(Rect rect) {
  if (rect == geometry_) return;
  geometry_ = rect;
  changed(Property::Geometry);
}

void Window::noteMovedTo(double left, double top) {
  geometry_.left = left;
  geometry_.top = top;
}

void Window::setBackColor(Colour colour) {
  if (colour == backColor_) return;
  backColor_ = colour;
  changed(Property::BackColor);
  backdropChanged(nullptr);
}

void Window::backdropChanged(const Control* beneath) {
  for (Control* c : controls_)
    if (c->container == beneath) c->backdropChanged();
}

void Window::show() {
  if (unloaded_) return;
  if (!visible_) {
    visible_ = true;
    changed(Property::Visible);
  }
  activate();
}

void Window::hide() {
  if (!visible_) return;
  visible_ = false;
  changed(Property::Visible);
}

void Window::activate() {
  if (unloaded_) return;
  request({WindowRequest::Kind::Activate});
  Form_Activate();
}

void Window::callForAttention(const std::string& message) {
  WindowRequest r{WindowRequest::Kind::Attention};
  r.message = message;
  request(r);
}

void Window::popupMenu(MenuItem& menu, Control* beside) {
  WindowRequest r{WindowRequest::Kind::PopupMenu};
  r.menu = &menu;
  r.control = beside;
  request(r);
}

void Window::setFocus(Control& control, bool selectText) {
  focused_ = &control;
  WindowRequest r{WindowRequest::Kind::Focus};
  r.control = &control;
  r.selectText = selectText;
  request(r);
}

void Window::keyDown(int key) {
  if (key == keys::Escape && closesOnEscape) return requestClose();
  Form_KeyDown(key);
}

bool Window::moveInGroup(Control& from, bool forward) {
  Control* to = nextInGroup(*this, from, forward);
  if (!to) return false;
  setFocus(*to);
  to->click();
  return true;
}

bool Window::menuKey(Control* at) {
  MenuItem* menu = keyboardMenu();
  if (!menu) return false;
  popupMenu(*menu, at);
  return true;
}

Control* Window::findControl(const std::string& name) const {
  for (Control* c : controls_)
    if (c->name() == name) return c;
  return nullptr;
}

void Window::clearOtherOptions(Control& chosen) {
  for (Control* c : controls_) {
    if (c == &chosen || c->kind() != ControlKind::OptionButton) continue;
    if (c->group != chosen.group || c->value() == 0) continue;
    c->setValue(0);
  }
}

void Window::markUnloaded() {
  if (observing()) context_.observer->windowDestroyed(*this);
  for (Timer* t : timers_) t->setEnabled(false);
  unloaded_ = true;
  visible_ = false;
}

}  // namespace kvirlo
