#pragma once

#include <string>

namespace kvirlo {

class Window;
class Control;
class MenuItem;

// What changed on a window, a control or a menu entry.
enum class Property {
  Text,       // text of a field, caption of a label, button, frame or window
  Value,      // check box 0/1/2, option button 0/1, slider or spinner position
  Enabled,
  Visible,
  BackColor,
  ForeColor,
  Geometry,   // left, top, width, height in twips
  Locked,     // a text field that refuses typing
  Range,      // minimum and maximum of a slider or spinner
  Name,       // what a screen reader calls a window (Window::accessibleName)
};

// Things a window asks of the screen that are not a lasting property.
struct WindowRequest {
  enum class Kind {
    Activate,    // bring the window forward and give it the focus
    TopMost,     // keep it above all other windows
    Bottom,      // put it behind all other windows, not top-most
    BeginDrag,   // move it with the pointer until the button is released
    Focus,       // give the keyboard focus to `control`, its text selected if `selectText`
    PopupMenu,   // show `menu`'s entries at the pointer, or beside `control` when given
    Attention,   // the window must not be missed: where it cannot stay above
                 // the others, the desktop is asked to say `message` too
  };
  Kind kind;
  Control* control = nullptr;
  MenuItem* menu = nullptr;
  bool selectText = false;
  std::string message{};
};

// A toolkit view mirrors the model through this: every change made to a
// window, a control or a menu entry, by code or by the user, is reported once.
class ModelObserver {
 public:
  virtual ~ModelObserver() = default;
  virtual void windowCreated(Window&) {}
  virtual void windowDestroyed(Window&) {}
  virtual void windowChanged(Window&, Property) {}
  virtual void controlChanged(Control&, Property) {}
  virtual void menuChanged(MenuItem&, Property) {}
  virtual void windowRequest(Window&, const WindowRequest&) {}
};

}  // namespace kvirlo
