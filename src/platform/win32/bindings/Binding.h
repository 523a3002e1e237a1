#pragma once

#include "platform/win32/win.h"

#include <functional>
#include <memory>

#include "platform/window/control.h"
#include "platform/window/view_layout.h"
#include "platform/win32/handles.h"

namespace kvirlo::win32 {

// What a binding needs of the window view it belongs to.
class BindingHost {
 public:
  virtual ~BindingHost() = default;
  // The window the controls lie on.
  virtual HWND surface() const = 0;
  virtual Scale scale() const = 0;
  // The program's face at this window's DPI.
  virtual HFONT face() const = 0;
  // The window's background, for what keeps no colour of its own.
  virtual HBRUSH background() const = 0;
  virtual COLORREF backColour() const = 0;
  // True while the view copies the model: what the controls then report
  // (WM_SETTEXT raises EN_CHANGE) is no user's input.
  virtual bool applying() const = 0;
  // Runs a user's input as an event of the program; nothing once the
  // window's model is gone.
  virtual void deliver(const std::function<void()>& event) = 0;
};

// One control on its Win32 control: the binding creates it, copies the
// model's properties into it and turns what it reports into model calls.
// What all kinds share is here; each kind adds its class and styles, its own
// properties and the messages it answers.
class Binding {
 public:
  Binding(Control& control, BindingHost& host);
  virtual ~Binding();
  Binding(const Binding&) = delete;
  Binding& operator=(const Binding&) = delete;

  // Creates the control and listens to it; the properties follow with apply().
  void build();
  void apply(Property property);
  // Once every control of the window exists: takes its place among them.
  virtual void stack() {}
  // The face again, after the window moved to a monitor of another DPI.
  void applyFont();
  // Lets go of the control's messages.
  void release();

  Control& control() const { return control_; }
  HWND handle() const { return hwnd_; }

  // What the window hears about this control.
  virtual bool onCommand(WORD /*code*/) { return false; }
  virtual bool onNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual void onScroll() {}
  virtual void onDraw(const DRAWITEMSTRUCT& /*draw*/) {}
  // WM_CTLCOLOR*: its own colours when its kind takes them, else the window's.
  LRESULT onColour(HDC dc);

 protected:
  struct Class {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle = 0;
  };
  virtual Class windowClass() const = 0;
  // After the control exists: images, steps, ranges.
  virtual void created() {}
  // A picture button or picture carries its name as its own window text,
  // which it never draws; the other kinds get a static text before them.
  virtual bool namedByText() const { return false; }
  // The properties only some kinds have: text, value, range, locked.
  virtual void applyOwn(Property property) = 0;
  // A message to the control itself; true when answered with `result`.
  virtual bool onOwnMessage(UINT /*message*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }

  // What the control draws beside its caption's text, in pixels of the font
  // selected into `dc`: a check box's mark, a button's edges, a frame
  // title's indent.
  virtual int captionMargin(HDC /*dc*/) const { return 0; }
  // A check box's or option button's mark and the gap after it.
  int markMargin(HDC dc) const;
  // Pixels at 96 DPI, at this window's DPI.
  int scaledPixels(int pixels) const;

  // A label's or picture's presses, releases, clicks and moves.
  bool forwardPointer(UINT message);
  // A button's BN_CLICKED is the model's click.
  bool forwardClick(WORD code);
  void deliver(const std::function<void()>& event) { host_.deliver(event); }
  HBRUSH ownBrush() const { return back_.get(); }
  int px(double twips) const { return host_.scale().px(twips); }

  Control& control_;
  BindingHost& host_;
  HWND hwnd_ = nullptr;

 private:
  static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  void addToolTip();
  void addNameLabel();
  // The box and font size that show the whole caption.
  void fitCaption();
  TextExtent measureCaption(double points, int wrapWidth) const;

  Brush back_;
  FontHandle font_;
  FontHandle smallerFont_;  // the caption's font stepped down to fit
};

// One binding a kind, in bindings/<Kind>Binding.cpp; bindingFor
// (platform/window/binding_for.h) picks among them.
#define KVIRLO_BINDING_MAKER(kind) std::unique_ptr<Binding> make##kind##Binding(Control& control, BindingHost& host);
KVIRLO_CONTROL_KINDS(KVIRLO_BINDING_MAKER)
#undef KVIRLO_BINDING_MAKER

}  // namespace kvirlo::win32
