#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/window/control.h"
#include "platform/window/model_observer.h"
#include "platform/window/view.h"

namespace kvirlo {

// The whole program's view on a toolkit: one `View` for each window that
// exists, told of every change to its window.
class ViewRegistry : public ModelObserver {
 public:
  ViewRegistry(ViewFactory& factory, EventGate& gate) : factory_(factory), gate_(gate) {}

  void windowCreated(Window& window) override;
  void windowDestroyed(Window& window) override;
  void windowChanged(Window& window, Property property) override;
  void controlChanged(Control& control, Property property) override;
  void windowRequest(Window& window, const WindowRequest& request) override;

  View* viewOf(const Window& window) const;

  // Every view lets go of its window model, as when the whole program is
  // taken down: no input reaches a model after this.
  void detachAll();

  // Views of unloaded windows live on until no event of theirs is running.
  void collectGarbage() { graveyard_.clear(); }

 private:
  ViewFactory& factory_;
  EventGate& gate_;
  std::map<const Window*, std::unique_ptr<View>> views_;
  std::vector<std::unique_ptr<View>> graveyard_;
};

}  // namespace kvirlo
