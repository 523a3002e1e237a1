#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/model_observer.h"
#include "platform/event_gate.h"
#include "platform/qt/WindowView.h"

namespace kvirlo::qt {

// The whole program's view: one WindowView for each window that exists.
class QtView : public ModelObserver {
 public:
  QtView(EventGate& gate, Scale scale) : gate_(gate), scale_(scale) {}

  void windowCreated(Window& window) override;
  void windowDestroyed(Window& window) override;
  void windowChanged(Window& window, Property property) override;
  void controlChanged(Control& control, Property property) override;
  void windowRequest(Window& window, const WindowRequest& request) override;

  WindowView* viewOf(const Window& window) const;
  // Views of windows that were unloaded are freed between events.
  void collectGarbage() { graveyard_.clear(); }

 private:
  EventGate& gate_;
  Scale scale_;
  std::map<const Window*, std::unique_ptr<WindowView>> views_;
  std::vector<std::unique_ptr<WindowView>> graveyard_;
};

}  // namespace kvirlo::qt
