#include "platform/window/view_registry.h"

#include "platform/window/control.h"
#include "platform/window/window.h"

namespace kvirlo {

void ViewRegistry::windowCreated(Window& window) { views_[&window] = factory_.viewOf(window, gate_); }

void ViewRegistry::windowDestroyed(Window& window) {
  auto it = views_.find(&window);
  if (it == views_.end()) return;
  it->second->detach();
  graveyard_.push_back(std::move(it->second));
  views_.erase(it);
}

void ViewRegistry::windowChanged(Window& window, Property property) {
  if (View* v = viewOf(window)) v->windowChanged(property);
}

void ViewRegistry::controlChanged(Control& control, Property property) {
  if (View* v = viewOf(control.window())) v->controlChanged(control, property);
}

void ViewRegistry::windowRequest(Window& window, const WindowRequest& request) {
  if (View* v = viewOf(window)) v->request(request);
}

View* ViewRegistry::viewOf(const Window& window) const {
  auto it = views_.find(&window);
  return it == views_.end() ? nullptr : it->second.get();
}

void ViewRegistry::detachAll() {
  for (auto& [window, view] : views_) {
    view->detach();
    graveyard_.push_back(std::move(view));
  }
  views_.clear();
}

}  // namespace kvirlo
