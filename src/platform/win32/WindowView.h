#pragma once

#include "platform/win32/win.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/event_gate.h"
#include "platform/window/view_layout.h"
#include "platform/win32/bindings/Binding.h"
#include "platform/win32/handles.h"
#include "platform/window/window.h"
#include "platform/window/window_view_base.h"

namespace kvirlo::win32 {

// The humble view of one window: a Win32 window of the window's own class,
// and one binding per control that does the control's part. What every
// window does the same way is the base's; this supplies the Win32
// primitives, and its window procedure (window_procedure.cpp) turns the
// messages into the base's calls.
class WindowView : public WindowViewBase, private BindingHost {
 public:
  WindowView(Window& model, EventGate& gate, Scale scale, HFONT font);
  ~WindowView() override;
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;

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
  Scale scale() const override { return viewScale(); }
  HFONT face() const override { return scaledFont_.get() ? scaledFont_.get() : font_; }
  HBRUSH background() const override { return background_.get(); }
  COLORREF backColour() const override;
  bool applying() const override { return WindowViewBase::applying(); }
  void deliver(const std::function<void()>& event) override { WindowViewBase::deliver(event); }

  bool hasWindow() const override { return hwnd_ != nullptr; }
  PixelRect frame() const override;
  void moveFrameTo(PixelPoint at) override;
  void setClientSize(int width, int height) override;
  std::vector<PixelRect> workAreas() const override;
  PixelRect mainWorkArea() const override;
  bool isShown() const override;
  void showWindow() override;
  void hideWindow() override;
  void applyCaption() override;
  // The caption is the name here; a window named by its labels would need
  // IAccPropServices, which Wine cannot show working.
  void applyAccessibleName() override {}
  void applyBackColor() override;
  void applyControl(Control& control, Property property) override;
  void bringForward() override;
  void stayOnTop() override;
  void stayAtBottom() override;
  void startDrag() override;
  void callForAttention(const std::string&) override {}  // top-most here: nothing covers it
  const Control* focusedControl() const override;
  bool focusControl(Control& control, bool selectText) override;
  bool focusByTab(Control& control, bool forward) override;
  int runMenu(const MenuEntries& menu, const Control* beside) override;
  // The window goes at once, the view once the message loop is back at its top.
  void release() override;

  // The window procedure's part (window_procedure.cpp).
  static LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM);
  LRESULT onMessage(UINT message, WPARAM w, LPARAM l);
  bool onControlMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result);
  void onNavigationKey(WPARAM key, bool shift);
  bool keepFocus(WPARAM w);
  void onBackgroundMouse(UINT message, WPARAM w, LPARAM l);
  void beginDrag();
  bool followDrag(UINT message);

  void create();
  void bindControls();
  void focus(Binding& binding, bool selectText);
  UINT windowDpi() const;
  void setDpi(UINT dpi);
  void onDpiChanged(UINT dpi, const RECT& suggested);
  void apply(Binding& binding, Property property);
  Binding* bindingOf(HWND hwnd) const;
  Binding* bindingOf(const Control& control) const;
  int px(double twips) const { return viewScale().px(twips); }

  double fontFactor_;       // the scale the shared font was made for
  HFONT font_;
  FontHandle scaledFont_;   // the shared face at this window's DPI, when it differs
  HWND hwnd_ = nullptr;
  std::vector<std::unique_ptr<Binding>> bindings_;
  Brush background_;
  bool topMostOnShow_ = false;  // asked to stay on top while hidden
  HWND lastFocus_ = nullptr;  // the control that had the focus when the window was left
  // A drag by the right or middle button, which the system's move loop
  // does not follow: the pointer's and the window's places at its start.
  bool dragging_ = false;
  POINT dragPointer_{};
  POINT dragWindow_{};
};

}  // namespace kvirlo::win32
