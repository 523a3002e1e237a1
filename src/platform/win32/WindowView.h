#pragma once

#include "platform/win32/win.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/event_gate.h"
#include "platform/view.h"
#include "platform/view_layout.h"
#include "platform/win32/bindings/Binding.h"
#include "platform/win32/handles.h"
#include "platform/window.h"

namespace kvirlo::win32 {

// The humble view of one window: a Win32 window of the window's own class,
// and one binding per control that does the control's part. It copies every
// change of the model into them and turns the user's input into the same
// model calls that code makes. It holds no program logic.
class WindowView : public View, private BindingHost {
 public:
  WindowView(Window& model, EventGate& gate, Scale scale, HFONT font);
  ~WindowView() override;
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;

  void windowChanged(Property property) override;
  void controlChanged(Control& control, Property property) override;
  void request(const WindowRequest& request) override;
  // The model is gone: the window goes at once, the view once the message
  // loop is back at its top.
  void detach() override;

  HWND handle() const { return hwnd_; }
  // Tab, Shift+Tab, Esc, Shift+F10 and the Menu key go to the window before
  // any control sees them:
  // the message loop asks this first, and true means the key is used.
  static bool navigationKey(const MSG& msg);
  HWND handleOf(const Control& control) const;
  // The Win32 class of a window: "Kvirlo." followed by the window's name.
  static std::wstring className(WindowId id);

 private:
  HWND surface() const override { return hwnd_; }
  Scale scale() const override { return scale_; }
  HFONT face() const override { return scaledFont_.get() ? scaledFont_.get() : font_; }
  HBRUSH background() const override { return background_.get(); }
  COLORREF backColour() const override;
  bool applying() const override { return applying_; }
  void deliver(const std::function<void()>& event) override;

  static LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM);
  LRESULT onMessage(UINT message, WPARAM w, LPARAM l);
  bool onControlMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result);
  void onActivate(WPARAM w);
  void onNavigationKey(WPARAM key, bool shift);
  bool keepFocus(WPARAM w);
  void focus(Binding& binding, bool selectText);
  void onMoved();
  void onBackgroundMouse(UINT message, WPARAM w, LPARAM l);

  void create();
  void bindControls();
  UINT windowDpi() const;
  void setDpi(UINT dpi);
  void onDpiChanged(UINT dpi, const RECT& suggested);
  void apply(Binding& binding, Property property);
  void applyGeometry();
  void applyVisibility();
  void keepOnScreen();
  void showMenu(MenuItem& menu, const Control* beside);
  void beginDrag();
  bool followDrag(UINT message);
  Binding* bindingOf(HWND hwnd) const;
  Binding* bindingOf(const Control& control) const;
  int px(double twips) const { return scale_.px(twips); }

  Window* model_;
  EventGate& gate_;
  Scale scale_;
  double fontFactor_;       // the scale the shared font was made for
  HFONT font_;
  FontHandle scaledFont_;   // the shared face at this window's DPI, when it differs
  HWND hwnd_ = nullptr;
  std::vector<std::unique_ptr<Binding>> bindings_;
  Brush background_;
  bool applying_ = false;
  bool reportedActive_ = false;
  bool placed_ = false;
  bool topMostOnShow_ = false;  // asked to stay on top while hidden
  HWND lastFocus_ = nullptr;  // the control that had the focus when the window was left
  // A drag by the right or middle button, which the system's move loop
  // does not follow: the pointer's and the window's places at its start.
  bool dragging_ = false;
  POINT dragPointer_{};
  POINT dragWindow_{};
};

}  // namespace kvirlo::win32
