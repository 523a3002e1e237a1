#include "platform/win32/bindings/Binding.h"
#include "platform/window/view_layout.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {
namespace {

// A label: its text ("&" is a character, not a mnemonic), wrapped when the
// label is taller than a line. Win32 puts later controls under earlier ones:
// where the label's box meets another control's, only its visible text takes
// the mouse, so that a label lying over another leaves the other's text to
// the user.
class LabelBinding : public Binding {
 public:
  using Binding::Binding;

 protected:
  Class windowClass() const override {
    return {L"STATIC", DWORD(SS_NOTIFY | SS_NOPREFIX | (control_.wrapsText() ? SS_LEFT : SS_LEFTNOWORDWRAP))};
  }

  void applyOwn(Property property) override {
    if (property == Property::Text) SetWindowTextW(hwnd_, wide(control_.text()).c_str());
  }

  bool onOwnMessage(UINT message, WPARAM, LPARAM l, LRESULT& result) override {
    if (message == WM_NCHITTEST) {
      POINT at{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
      ScreenToClient(hwnd_, &at);
      if (onText(at) || !onSharedPart(at)) return false;
      result = HTTRANSPARENT;  // the control or window beneath answers
      return true;
    }
    return forwardPointer(message);
  }

 private:
  bool onSharedPart(POINT at) const {
    const Scale s = host_.scale();
    const Rect& box = control_.geometry();
    const double x = box.left + s.twips(at.x);
    const double y = box.top + s.twips(at.y);
    for (const Rect& part : sharedParts(control_))
      if (contains(part, x, y)) return true;
    return false;
  }

  bool onText(POINT at) const {
    const std::wstring text = wide(control_.text());
    if (text.empty()) return false;
    RECT area;
    GetClientRect(hwnd_, &area);
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    const UINT wrap = control_.wrapsText() ? DT_WORDBREAK : DT_SINGLELINE;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_CALCRECT | DT_NOPREFIX | wrap);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    InflateRect(&area, kTextHitMargin, kTextHitMargin);
    return PtInRect(&area, at);
  }
};

}  // namespace

std::unique_ptr<Binding> makeLabelBinding(Control& control, BindingHost& host) {
  return std::make_unique<LabelBinding>(control, host);
}

}  // namespace kvirlo::win32
