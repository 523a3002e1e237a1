#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/window/colour.h"
#include "platform/window/control_kinds.h"
#include "platform/window/model_observer.h"
#include "platform/window/rect.h"

namespace kvirlo {

class Window;

#define KVIRLO_KIND_VALUE(kind) kind,
enum class ControlKind { KVIRLO_CONTROL_KINDS(KVIRLO_KIND_VALUE) };
#undef KVIRLO_KIND_VALUE

// What a kind of control is, for the model and for both views alike.
struct ControlTraits {
  enum class Click { RunsHandler, Toggles, Chooses };
  enum class Caption { None, Text, TextUnlessPicture };
  bool takesKeyboard;  // a stop of Tab and Shift+Tab
  bool takesColours;   // its back and fore colours are painted; the others keep the system's look
  Click click;         // what a click does to it
  Caption caption;     // whether its text is a caption the layout must fit
};

// One row a kind; the compiler names this switch when a kind is added.
constexpr ControlTraits traitsOf(ControlKind kind) {
  using Click = ControlTraits::Click;
  using Caption = ControlTraits::Caption;
  switch (kind) {
    case ControlKind::Label: return {false, true, Click::RunsHandler, Caption::Text};
    case ControlKind::TextBox: return {true, true, Click::RunsHandler, Caption::None};
    case ControlKind::CheckBox: return {true, true, Click::Toggles, Caption::Text};
    case ControlKind::OptionButton: return {true, true, Click::Chooses, Caption::Text};
    case ControlKind::CommandButton: return {true, false, Click::RunsHandler, Caption::TextUnlessPicture};
    case ControlKind::Frame: return {false, true, Click::RunsHandler, Caption::Text};
    case ControlKind::Picture: return {false, true, Click::RunsHandler, Caption::None};
    case ControlKind::Line: return {false, false, Click::RunsHandler, Caption::None};
    case ControlKind::Slider: return {true, false, Click::RunsHandler, Caption::None};
    case ControlKind::UpDown: return {true, false, Click::RunsHandler, Caption::None};
  }
  return {false, false, ControlTraits::Click::RunsHandler, ControlTraits::Caption::None};
}

struct Font {
  std::string face;   // empty: the system's default face
  double points = 0;  // 0: the system's default size
  bool bold = false;
  bool underline = false;
};

// Keys the handlers look at, as the platform numbers them.
namespace keys {
constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int Delete = 46;
}  // namespace keys

// Mouse buttons as the handlers receive them.
namespace buttons {
constexpr int Left = 1;
constexpr int Right = 2;
constexpr int Middle = 4;
}  // namespace buttons

// A check box's values.
namespace check {
constexpr int Unchecked = 0;
constexpr int Checked = 1;
constexpr int Grayed = 2;
}  // namespace check

// One control of a window, as plain state plus the window's handlers for it.
// A change by code behaves as the same change by the user: the change handler
// runs once, and only when the value really changes.
class Control {
 public:
  Control(Window& owner, std::string name, ControlKind kind, std::string text = {});
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Window& window() const { return owner_; }
  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }

  // What the views show the same way on every toolkit.
  // A label taller than one line (300 twips) wraps its text.
  bool wrapsText() const;
  // A line runs along the longer side of its box.
  bool isHorizontalLine() const;
  // Whether its back and fore colours are painted; the others keep the
  // system's look.
  bool takesColours() const;
  // Whether it fills its box with its own back colour. Fields are white
  // unless told otherwise; a label, check box, option button, frame or
  // picture the program never gave a back colour, or gave the colour of its
  // frame or window, shows what lies beneath. Decided afresh whenever its own
  // colour or the colour beneath it changes; the views hear BackColor then.
  bool paintsBack() const;
  // The frame or window it lies on took another back colour.
  void backdropChanged();

  // Text of a field; caption of a label, button, check box or frame.
  const std::string& text() const { return text_; }
  void setText(std::string text);

  // Check box 0/1/2, option button 0/1, slider or spinner position.
  int value() const { return value_; }
  void setValue(int value);

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  Colour backColor() const { return backColor_; }
  void setBackColor(Colour colour);
  Colour foreColor() const { return foreColor_; }
  void setForeColor(Colour colour);
  const Rect& geometry() const { return geometry_; }
  void setGeometry(Rect rect);
  bool locked() const { return locked_; }
  void setLocked(bool locked);
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  void setRange(int minimum, int maximum);

  // Design-time settings that never change while the program runs.
  int maxLength = 0;        // a text field's limit on typing; 0 = none
  bool multiLine = false;
  bool verticalScrollBar = false;
  bool readOnly = false;    // a field the user can read but never type into
  std::string toolTip;
  std::string picture;  // which of the program's pictures a picture or button shows
  // What a screen reader calls a control that shows no caption of its own:
  // the label beside a field, or what a picture button does.
  std::string accessibleName;
  Font font;
  Control* container = nullptr;  // the frame it sits in, if any
  int group = 0;                 // option buttons of one group exclude each other
  int smallChange = 1;
  int largeChange = 1;

  // Handlers, set by the window that owns the control.
  std::function<void()> onChange;  // text changed, box ticked, option chosen
  std::function<void()> onClick;   // button, label or picture clicked
  std::function<void()> onScroll;  // the user moved a slider
  std::function<void(int)> onSpin; // the user stepped a spinner (+1 or -1)
  std::function<void(int key)> onKeyDown;
  std::function<void(int button)> onMouseDown;
  std::function<void(int button)> onMouseUp;
  std::function<void()> onMouseMove;

  // What a user does; the views call these.
  // A click: toggles a check box, selects an option. The model has the last
  // word: when a box or option ends as it was, the views hear its value
  // again, since a toolkit's widget may have ticked itself.
  void click();
  void userMovesTo(int value);  // a slider moved by mouse or keyboard
  void userSpins(int step);     // a spinner's arrow
  void keyDown(int key);
  void mouseDown(int button);
  void mouseUp(int button);
  void mouseMove();

 private:
  void changed(Property property);

  Window& owner_;
  std::string name_;
  ControlKind kind_;
  std::string text_;
  int value_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  Colour backColor_ = 0xFFFFFF;
  bool backColorGiven_ = false;
  bool paintsBackReported_ = false;  // what the views last heard of paintsBack()
  Colour foreColor_ = 0;
  Rect geometry_;
  bool locked_ = false;
  int minimum_ = 0;
  int maximum_ = 0;
};

}  // namespace kvirlo
