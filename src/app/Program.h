#pragma once

#include <functional>
#include <memory>

#include "platform/window/event_gate.h"
#include "platform/services/services.h"
#include "platform/window/view.h"
#include "platform/window/view_registry.h"

namespace kvirlo {

class App;

// A running program: the event gate every event passes, the views a toolkit
// makes, and the App with its windows. Windows unloaded during an event are
// freed when it is over; at the end the views let go before the windows go.
class Program {
 public:
  explicit Program(ViewFactory& views);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  EventGate& gate() { return gate_; }

  // Builds the program's windows on the system's services; the services
  // must outlive `close()`.
  App& open(Services services);
  App& app() { return *app_; }
  bool isOpen() const { return app_ != nullptr; }

  // The program's start, as its first event.
  void run();
  // An event from outside the windows: the tray, a second start, the session.
  void deliver(const std::function<void()>& event) { gate_.run(event); }

  // The events the system brings, as the program answers them.
  // The tray icon's mouse; the tray delivers it through the gate.
  void trayMouse(int button);
  // Another copy was started: this one's main window comes forward.
  void anotherStart();
  // A polite end, a log-off, a shutdown: a close request like any other, so
  // the reminder is cleaned up.
  void closeRequest();

  View* viewOf(const Window& window) const { return views_.viewOf(window); }

  // Frees the windows unloaded during the events so far, and their views:
  // after each event, or where the toolkit wants it, between messages.
  void collectGarbage();

  // The views let go of their windows, then the windows go.
  void close();

 private:
  EventGate gate_;
  ViewRegistry views_;
  std::unique_ptr<App> app_;
};

}  // namespace kvirlo
