#include "platform/window/window_view_base.h"

#include <algorithm>

#include "platform/window/control.h"
#include "platform/window/event_gate.h"
#include "platform/window/tab_order.h"
#include "platform/window/window.h"

namespace kvirlo {

WindowViewBase::WindowViewBase(Window& model, EventGate& gate, Scale scale)
    : model_(&model), gate_(gate), scale_(scale) {}

void WindowViewBase::deliver(const std::function<void()>& event) {
  if (model_) gate_.run(event);
}

void WindowViewBase::detach() {
  model_ = nullptr;
  release();
}

void WindowViewBase::windowChanged(Property property) {
  if (!model_ || !hasWindow()) return;
  Applying applying(*this);
  switch (property) {
    case Property::Text: applyCaption(); break;
    case Property::Name: applyAccessibleName(); break;
    case Property::Visible: applyVisibility(); break;
    case Property::Geometry: applyGeometry(); break;
    case Property::BackColor: applyBackColor(); break;
    case Property::Value:
    case Property::Enabled:
    case Property::ForeColor:
    case Property::Locked:
    case Property::Range:
      break;  // a window has none of these
  }
}

void WindowViewBase::controlChanged(Control& control, Property property) {
  if (!model_) return;
  Applying applying(*this);
  applyControl(control, property);
}

void WindowViewBase::applyGeometry() {
  if (!model_ || !hasWindow()) return;
  Applying applying(*this);
  const ClientSize size = clientSize(*model_);
  setClientSize(std::max(1, scale_.px(size.width)), std::max(1, scale_.px(size.height)));
  if (model_->centred) return;  // placed when it first shows
  moveFrameTo({scale_.px(model_->left()), scale_.px(model_->top())});
  keepOnScreen();
}

// A window stored off every screen comes back onto the main screen, and the
// program keeps the place it really has.
void WindowViewBase::keepOnScreen() {
  const PixelRect main = mainWorkArea();
  if (main.width <= 0 || main.height <= 0) return;  // no screen to go to
  const auto place = placeOnScreen(frame(), workAreas(), main);
  if (!place) return;
  moveFrameTo(*place);
  model_->noteMovedTo(scale_.twips(place->x), scale_.twips(place->y));
}

void WindowViewBase::applyVisibility() {
  if (!model_ || !hasWindow()) return;
  Applying applying(*this);
  if (!model_->visible()) {
    hideWindow();
    return;
  }
  if (model_->centred && !placed_) {
    const PixelRect main = mainWorkArea();
    const PixelRect now = frame();
    if (main.width > 0 && main.height > 0) moveFrameTo(centredIn(main, now.width, now.height));
    placed_ = true;
  }
  showWindow();
}

void WindowViewBase::activated(bool active) {
  if (!active) {
    reportedActive_ = false;
    return;
  }
  if (reportedActive_ || applying_) return;
  reportedActive_ = true;
  deliver([this] { model_->activate(); });
}

void WindowViewBase::movedTo(PixelPoint at) {
  if (applying_ || !model_ || !isShown()) return;
  model_->noteMovedTo(scale_.twips(at.x), scale_.twips(at.y));
}

// A release the controls left to the window: the innermost frame there
// answers, else the window.
void WindowViewBase::releasedOnWindow(int button, PixelPoint at) {
  if (!model_) return;
  Control* frame = frameAt(*model_, scale_.twips(at.x), scale_.twips(at.y));
  if (frame) deliver([frame, button] { frame->mouseUp(button); });
  else deliver([this, button] { model_->Form_MouseUp(button); });
}

void WindowViewBase::movedOnWindow(int heldButtons) {
  deliver([this, heldButtons] { model_->Form_MouseMove(heldButtons); });
}

bool WindowViewBase::tab(bool forward) {
  if (!model_) return false;
  Control* to = nextInTabOrder(*model_, focusedControl(), forward);
  return to && focusByTab(*to, forward);
}

void WindowViewBase::request(const WindowRequest& r) {
  if (!model_) return;
  Applying applying(*this);
  switch (r.kind) {
    case WindowRequest::Kind::Activate:
      if (!isShown()) break;
      reportedActive_ = true;  // the activation that follows is this one
      bringForward();
      break;
    case WindowRequest::Kind::TopMost: stayOnTop(); break;
    case WindowRequest::Kind::Bottom: stayAtBottom(); break;
    case WindowRequest::Kind::BeginDrag: startDrag(); break;
    case WindowRequest::Kind::Focus:
      if (r.control && isShown()) focusControl(*r.control, r.selectText);
      break;
    case WindowRequest::Kind::PopupMenu:
      if (r.menu) showMenu(*r.menu, r.control);
      break;
    case WindowRequest::Kind::Attention: callForAttention(r.message); break;
  }
}

void WindowViewBase::showMenu(MenuItem& root, const Control* beside) {
  const MenuEntries menu = menuEntries(root);
  const int chosen = runMenu(menu, beside);
  if (!model_) return;  // the window went while the menu was open
  if (MenuItem* item = menu.command(chosen)) item->click();
}

}  // namespace kvirlo
