#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/window/colour.h"
#include "platform/window/model_observer.h"
#include "platform/window/rect.h"

namespace kvirlo {

// Held by reference or pointer only: the parts' sources include this header,
// so this header does not include theirs.
class Clock;
class Control;
class MenuItem;
class Timer;
class Window;

// The program's windows, in one list: the ids, their count, their rows in a
// table of all windows and their names follow from it, so a window added here
// cannot be missed by any of them.
#define KVIRLO_WINDOWS(X) X(Form1) X(Form2) X(Form3) X(Form4) X(Player) X(formAbout) X(frmSlug)

#define KVIRLO_WINDOW_ID(name) name,
enum class WindowId { KVIRLO_WINDOWS(KVIRLO_WINDOW_ID) };
#undef KVIRLO_WINDOW_ID

#define KVIRLO_ONE_WINDOW(name) +1
inline constexpr std::size_t kWindowCount = 0 KVIRLO_WINDOWS(KVIRLO_ONE_WINDOW);
#undef KVIRLO_ONE_WINDOW

// A window's row in a table of all windows: its place in the list.
constexpr std::size_t windowIndex(WindowId id) { return static_cast<std::size_t>(id); }

// The window's name as the program knows it ("Form1", "Player", "frmSlug" ...).
const char* windowName(WindowId id);

// Whoever owns the windows: it destroys one on request.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  virtual void unload(Window& window) = 0;
};

// What every window model needs from outside.
struct ModelContext {
  Clock& clock;
  WindowHost& host;
  ModelObserver* observer = nullptr;
};

enum class BorderStyle { Sizable, FixedSingle, FixedDialog, None };

// One window as plain state: its design properties, its controls, timers and
// menus, and the steps the program runs when it loads, activates or unloads.
class Window {
 public:
  Window(ModelContext& context, WindowId id, std::string caption);
  virtual ~Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  WindowId id() const { return id_; }
  ModelContext& context() const { return context_; }

  // The steps a window runs at its moments; each window fills in its own.
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Unload() {}
  // A close request (the close box, a log-off); by default the window unloads.
  virtual void Form_QueryUnload() { context_.host.unload(*this); }
  // The mouse over the window's bare background (no control under it).
  virtual void Form_MouseUp(int /*button*/) {}
  virtual void Form_MouseMove(int /*button*/) {}
  // A key the focused control left alone (Esc, say).
  virtual void Form_KeyDown(int /*key*/) {}

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  // What a screen reader calls the window when it opens or is asked for its
  // title. A window with a title bar is called by its caption. One without
  // shows no caption, so it is called by what it shows: its labels' texts in
  // reading order (the indicator reads its heading and its count).
  std::string accessibleName() const;
  bool visible() const { return visible_; }
  const Rect& geometry() const { return geometry_; }
  double left() const { return geometry_.left; }
  double top() const { return geometry_.top; }
  double height() const { return geometry_.height; }
  void setLeft(double left);
  void setTop(double top);
  void setHeight(double height);
  void setGeometry(Rect rect);
  Colour backColor() const { return backColor_; }
  void setBackColor(Colour colour);

  // Design-time settings.
  BorderStyle border = BorderStyle::Sizable;
  bool minButton = true;
  bool maxButton = true;
  bool centred = false;       // opens centred on the main screen
  bool outerHeight = false;   // its height is set with the title bar and borders
  bool neverShown = false;    // a hidden host that only carries a popup menu
  bool hasIcon = true;
  bool taskbarButton = true;  // false: the task bar leaves it out
  bool closesOnEscape = false;  // Esc acts as the close box
  double clientWidth = 0;     // twips
  double clientHeight = 0;    // twips
  std::string backgroundPicture;

  // Showing makes the window visible and active; hiding keeps it loaded.
  void show();
  void hide();
  // Runs the activation step; the view calls it when the user activates the
  // window, and showing does it too.
  void activate();
  // The user asks to close the window.
  void requestClose() { Form_QueryUnload(); }

  void setTopMost() { request({WindowRequest::Kind::TopMost}); }
  void sendToBottom() { request({WindowRequest::Kind::Bottom}); }
  void beginDrag() { request({WindowRequest::Kind::BeginDrag}); }
  void callForAttention(const std::string& message);
  // At the pointer, or beside `beside` when the keyboard asked for it.
  void popupMenu(MenuItem& menu, Control* beside = nullptr);
  // Moving on by itself, the focus selects the field's text, so what the
  // user types next replaces it.
  void setFocus(Control& control, bool selectText = false);
  // The user pressed a key that no control of the window took.
  void keyDown(int key);
  // An arrow key on an option button: the focus goes on to the next or
  // previous option of its group and chooses it, as on every desktop. False
  // when the arrow has nothing to do there.
  bool moveInGroup(Control& from, bool forward);
  // Shift+F10 or the Menu key, the focus on `at` (or on nothing): the
  // window's popup menu opens beside that control. False for a window
  // without one.
  bool menuKey(Control* at);
  // The menu the keyboard opens; most windows have none.
  virtual MenuItem* keyboardMenu() { return nullptr; }
  Control* focusedControl() const { return focused_; }
  // The view reports where the keyboard focus went and where the user put the window.
  void noteFocus(Control* control) { focused_ = control; }
  void noteMovedTo(double left, double top);

  const std::vector<Control*>& controls() const { return controls_; }
  const std::vector<Timer*>& timers() const { return timers_; }
  const std::vector<MenuItem*>& menus() const { return menus_; }
  Control* findControl(const std::string& name) const;

  // Bookkeeping for the parts of a window and for its owner.
  void addControl(Control& control) { controls_.push_back(&control); }
  void addTimer(Timer& timer) { timers_.push_back(&timer); }
  void addMenu(MenuItem& menu) { menus_.push_back(&menu); }
  void controlChanged(Control& control, Property property);
  // The back colour of `beneath` (a frame; null: the window) changed, and
  // with it, perhaps, whether the controls on it paint their own backs.
  void backdropChanged(const Control* beneath);
  void clearOtherOptions(Control& chosen);
  bool isUnloaded() const { return unloaded_; }
  // The owner calls this once the window is built: from then on the
  // observer hears of every change.
  void announce();
  // Stops the timers and marks the window gone; the owner calls it on unload.
  void markUnloaded();

 private:
  bool observing() const;
  void changed(Property property);
  void request(WindowRequest request);

  ModelContext& context_;
  WindowId id_;
  std::string caption_;
  bool visible_ = false;
  Rect geometry_;
  Colour backColor_ = rgb(0xE0, 0xE0, 0xE0);
  Control* focused_ = nullptr;
  bool announced_ = false;
  bool unloaded_ = false;
  std::vector<Control*> controls_;
  std::vector<Timer*> timers_;
  std::vector<MenuItem*> menus_;
};

}  // namespace kvirlo
