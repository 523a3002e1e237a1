#include "platform/qt/QtView.h"

namespace kvirlo::qt {

void QtView::windowCreated(Window& window) {
  views_[&window] = std::make_unique<WindowView>(window, gate_, scale_);
}

void QtView::windowDestroyed(Window& window) {
  auto it = views_.find(&window);
  if (it == views_.end()) return;
  it->second->detach();
  graveyard_.push_back(std::move(it->second));
  views_.erase(it);
}

void QtView::windowChanged(Window& window, Property property) {
  if (WindowView* v = viewOf(window)) v->windowChanged(property);
}

void QtView::controlChanged(Control& control, Property property) {
  if (WindowView* v = viewOf(control.window())) v->controlChanged(control, property);
}

void QtView::windowRequest(Window& window, const WindowRequest& request) {
  if (WindowView* v = viewOf(window)) v->request(request);
}

WindowView* QtView::viewOf(const Window& window) const {
  auto it = views_.find(&window);
  return it == views_.end() ? nullptr : it->second.get();
}

}  // namespace kvirlo::qt
