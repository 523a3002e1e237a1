#pragma once

#include <memory>

#include "platform/window/model_observer.h"

namespace kvirlo {

class Control;
class EventGate;
class Window;

// One window's view on a toolkit: it mirrors every change of its window and
// turns the user's input into model calls through the event gate.
class View {
 public:
  virtual ~View() = default;
  virtual void windowChanged(Property property) = 0;
  virtual void controlChanged(Control& control, Property property) = 0;
  virtual void request(const WindowRequest& request) = 0;
  // The model is gone (or going): no input reaches it after this.
  virtual void detach() = 0;
};

// What each toolkit gives the program: a view for a window that has come
// into being.
class ViewFactory {
 public:
  virtual ~ViewFactory() = default;
  virtual std::unique_ptr<View> viewOf(Window& window, EventGate& gate) = 0;
  // Whether the windows unloaded during an event and their views may go as
  // soon as the event is over; otherwise the message loop frees them between
  // messages, where no window procedure of theirs can still be running.
  virtual bool freesAfterEachEvent() const { return true; }
};

}  // namespace kvirlo
