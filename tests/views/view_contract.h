#pragma once

// What every toolkit's views do alike, written once: each view test program
// implements this probe over its real windows, and the cases of
// view_contract_cases.cpp run on it.

#include <functional>
#include <memory>
#include <string>

#include "platform/window/colour.h"
#include "platform/window/view_layout.h"

namespace kvirlo {

class App;
class Control;
class Window;

namespace testing {

enum class Key { Tab, Enter, Escape, Backspace, Space, Up, Down };

class ViewProbe {
 public:
  virtual ~ViewProbe() = default;
  // The program, started, its main window shown.
  virtual App& app() = 0;

  // What the widgets show. Rectangles are desktop pixels: the frame with
  // its borders, the client inside them, the main screen's work area.
  virtual bool hasWindow(const Window& window) = 0;
  virtual bool hasWidget(const Control& control) = 0;
  virtual std::string caption(const Window& window) = 0;
  virtual std::string text(const Control& control) = 0;
  virtual bool checked(const Control& control) = 0;
  virtual bool enabled(const Control& control) = 0;
  virtual Colour fieldColour(const Control& control) = 0;
  virtual bool shown(const Window& window) = 0;
  virtual bool staysOnTop(const Window& window) = 0;
  virtual PixelRect frame(const Window& window) = 0;
  virtual PixelRect client(const Window& window) = 0;
  virtual PixelRect workArea() = 0;
  virtual const Control* focused(const Window& window) = 0;
  // Whether the window's toolkit window still exists, asked later.
  virtual std::function<bool()> watch(const Window& window) = 0;

  // What a user does, each handled by the toolkit before it returns. Keys
  // and typing go to the control with the focus; `focus` selects a field's
  // text or puts the caret at its end.
  virtual void click(const Control& control) = 0;
  virtual void closeBox(const Window& window) = 0;
  virtual void focus(const Control& control, bool selectText) = 0;
  virtual void type(const std::string& text) = 0;
  virtual void press(Key key) = 0;
  // What is waiting is done, unloaded windows freed included.
  virtual void settle() = 0;
};

// Each view test program's own.
std::unique_ptr<ViewProbe> makeViewProbe();

}  // namespace testing
}  // namespace kvirlo
