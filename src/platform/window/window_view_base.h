#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/window/menu_item.h"
#include "platform/window/view.h"
#include "platform/window/view_layout.h"

namespace kvirlo {

class EventGate;
class Window;

// What every window view does the same way on every toolkit: when a window
// is placed, kept on screen, reported active, where a click on its bare
// background goes, how the model's requests and its popup menus are carried
// out, how Tab moves on. A toolkit's view derives from it and supplies the
// primitives only: its window's frame, moving, sizing, the screens' work
// areas, showing and hiding, stacking, focus, running a menu.
class WindowViewBase : public View {
 public:
  WindowViewBase(Window& model, EventGate& gate, Scale scale);

  void windowChanged(Property property) final;
  void controlChanged(Control& control, Property property) final;
  void request(const WindowRequest& request) final;
  // The model is gone: no input reaches it after this, and the toolkit's
  // window goes.
  void detach() final;

 protected:
  // Set while the view copies the model into its window: whatever the
  // toolkit reports meanwhile is no user's input.
  class Applying {
   public:
    explicit Applying(WindowViewBase& view) : flag_(view.applying_), old_(flag_) { flag_ = true; }
    ~Applying() { flag_ = old_; }
    Applying(const Applying&) = delete;
    Applying& operator=(const Applying&) = delete;

   private:
    bool& flag_;
    bool old_;
  };

  Window* model() const { return model_; }
  bool applying() const { return applying_; }
  Scale& viewScale() { return scale_; }
  const Scale& viewScale() const { return scale_; }
  // An event for the model, through the gate; none once the model is gone.
  void deliver(const std::function<void()>& event);

  // The window's size and place, and whether it shows, as the model has them.
  void applyGeometry();
  void applyVisibility();

  // What the user did to the window, as the toolkit reports it.
  void activated(bool active);
  void movedTo(PixelPoint frameAt);
  // A button released over the bare window (a group box and a disabled
  // control let it through), at a point of its inside in pixels.
  void releasedOnWindow(int button, PixelPoint at);
  void movedOnWindow(int heldButtons);
  // Tab and Shift+Tab: the focus goes to the next control in reading order
  // that takes the keyboard. False when there is none.
  bool tab(bool forward);

  // The primitives each toolkit supplies. Pixels are the desktop's; the
  // frame is the window with its title bar and borders.
  virtual bool hasWindow() const = 0;
  virtual PixelRect frame() const = 0;
  virtual void moveFrameTo(PixelPoint at) = 0;
  virtual void setClientSize(int width, int height) = 0;
  virtual std::vector<PixelRect> workAreas() const = 0;
  virtual PixelRect mainWorkArea() const = 0;
  virtual bool isShown() const = 0;
  virtual void showWindow() = 0;
  virtual void hideWindow() = 0;
  virtual void applyCaption() = 0;
  virtual void applyAccessibleName() = 0;  // what a screen reader calls the window
  virtual void applyBackColor() = 0;
  virtual void applyControl(Control& control, Property property) = 0;
  virtual void bringForward() = 0;
  virtual void stayOnTop() = 0;
  virtual void stayAtBottom() = 0;
  virtual void startDrag() = 0;
  virtual void callForAttention(const std::string& message) = 0;
  virtual const Control* focusedControl() const = 0;
  // The focus to `control`; `byTab` forward or backward, or by the program
  // (`selectText`: a field's text selected). False when it has no widget.
  virtual bool focusControl(Control& control, bool selectText) = 0;
  virtual bool focusByTab(Control& control, bool forward) = 0;
  // Runs `menu` at the pointer, or under `beside`; the number of the chosen
  // command (see `MenuEntries`), 0 for none.
  virtual int runMenu(const MenuEntries& menu, const Control* beside) = 0;
  // The toolkit's window goes; the model is gone already.
  virtual void release() = 0;

 private:
  void keepOnScreen();
  void showMenu(MenuItem& root, const Control* beside);

  Window* model_;
  EventGate& gate_;
  Scale scale_;
  bool applying_ = false;
  bool placed_ = false;          // a centred window is centred once, when first shown
  bool reportedActive_ = false;  // the model heard of this activation already
};

}  // namespace kvirlo
