#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/control.h"
#include "platform/model_observer.h"
#include "platform/window.h"

namespace kvirlo {

// The whole program's view on a toolkit: one `View` for each window that
// exists, told of every change to its window. A View offers
// windowChanged(Property), controlChanged(Control&, Property),
// request(const WindowRequest&) and detach().
template <typename View>
class ViewRegistry : public ModelObserver {
 public:
  using Factory = std::function<std::unique_ptr<View>(Window&)>;
  explicit ViewRegistry(Factory make) : make_(std::move(make)) {}

  void windowCreated(Window& window) override { views_[&window] = make_(window); }

  void windowDestroyed(Window& window) override {
    auto it = views_.find(&window);
    if (it == views_.end()) return;
    it->second->detach();
    graveyard_.push_back(std::move(it->second));
    views_.erase(it);
  }

  void windowChanged(Window& window, Property property) override {
    if (View* v = viewOf(window)) v->windowChanged(property);
  }

  void controlChanged(Control& control, Property property) override {
    if (View* v = viewOf(control.window())) v->controlChanged(control, property);
  }

  void windowRequest(Window& window, const WindowRequest& request) override {
    if (View* v = viewOf(window)) v->request(request);
  }

  View* viewOf(const Window& window) const {
    auto it = views_.find(&window);
    return it == views_.end() ? nullptr : it->second.get();
  }

  // Every view lets go of its window model, as when the whole program is
  // taken down: no input reaches a model after this.
  void detachAll() {
    for (auto& [window, view] : views_) {
      view->detach();
      graveyard_.push_back(std::move(view));
    }
    views_.clear();
  }

  // Views of unloaded windows live on until no event of theirs is running.
  void collectGarbage() { graveyard_.clear(); }

 private:
  Factory make_;
  std::map<const Window*, std::unique_ptr<View>> views_;
  std::vector<std::unique_ptr<View>> graveyard_;
};

}  // namespace kvirlo
