// The shared view cases' probe over the Win32 views on a Wine desktop. Keys
// go as the keyboard sends them: posted to the control with the focus,
// through the message loop.

#include "platform/window/control.h"
#include "platform/win32/text.h"
#include "views/view_contract.h"
#include "win32/win32_world.h"

namespace kvirlo::testing {
namespace {

PixelRect pixels(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

class Win32Probe : public ViewProbe {
 public:
  Win32Probe() {
    forgetEverything();
    world_.app->run();
    world_.pump();
  }
  ~Win32Probe() override { forgetEverything(); }

  App& app() override { return *world_.app; }
  bool hasWindow(const Window& w) override { return world_.windowOf(w); }
  bool hasWidget(const Control& c) override { return world_.controlOf(c); }
  std::string caption(const Window& w) override { return win32::utf8(Win32World::textOf(world_.windowOf(w))); }
  std::string text(const Control& c) override { return win32::utf8(Win32World::textOf(world_.controlOf(c))); }
  bool checked(const Control& c) override {
    return SendMessageW(world_.controlOf(c), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  bool enabled(const Control& c) override { return IsWindowEnabled(world_.controlOf(c)); }
  // The background the field's window gives its text.
  Colour fieldColour(const Control& c) override {
    HWND field = world_.controlOf(c);
    HDC dc = GetDC(field);
    SendMessageW(GetParent(field), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
    const COLORREF colour = GetBkColor(dc);
    ReleaseDC(field, dc);
    return rgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
  }
  bool shown(const Window& w) override { return IsWindowVisible(world_.windowOf(w)); }
  bool staysOnTop(const Window& w) override {
    return GetWindowLongW(world_.windowOf(w), GWL_EXSTYLE) & WS_EX_TOPMOST;
  }
  PixelRect frame(const Window& w) override {
    RECT r;
    GetWindowRect(world_.windowOf(w), &r);
    return pixels(r);
  }
  PixelRect client(const Window& w) override {
    RECT r;
    GetClientRect(world_.windowOf(w), &r);
    MapWindowPoints(world_.windowOf(w), HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return pixels(r);
  }
  PixelRect workArea() override {
    RECT r;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return pixels(r);
  }
  const Control* focused(const Window& w) override {
    for (Control* c : w.controls())
      if (world_.controlOf(*c) == GetFocus()) return c;
    return nullptr;
  }
  std::function<bool()> watch(const Window& w) override {
    return [window = world_.windowOf(w)] { return IsWindow(window) != FALSE; };
  }

  void click(const Control& c) override {
    SendMessageW(world_.controlOf(c), BM_CLICK, 0, 0);
    world_.pump(0);
  }
  void closeBox(const Window& w) override {
    SendMessageW(world_.windowOf(w), WM_CLOSE, 0, 0);
    world_.pump(0);
  }
  void focus(const Control& c, bool selectText) override {
    HWND control = world_.controlOf(c);
    SetFocus(control);
    if (c.kind() == ControlKind::TextBox) {
      const int end = GetWindowTextLengthW(control);
      SendMessageW(control, EM_SETSEL, selectText ? 0 : end, end);
    }
    world_.pump(20);
  }
  // Each character's key first, as the model hears every key, then the
  // character the keyboard layout made of it.
  void type(const std::string& text) override {
    for (wchar_t ch : win32::wide(text)) {
      SendMessageW(GetFocus(), WM_KEYDOWN, LOBYTE(VkKeyScanW(ch)), 0);
      PostMessageW(GetFocus(), WM_CHAR, ch, 0);
      world_.pump(10);
    }
  }
  void press(Key key) override {
    static const WPARAM keys[] = {VK_TAB, VK_RETURN, VK_ESCAPE, VK_BACK, VK_SPACE, VK_UP, VK_DOWN};
    const WPARAM vk = keys[static_cast<int>(key)];
    PostMessageW(GetFocus(), WM_KEYDOWN, vk, MAKELPARAM(1, MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC)));
    world_.pump(20);
  }
  void settle() override { world_.pump(); }

 private:
  Win32World world_;
};

}  // namespace

std::unique_ptr<ViewProbe> makeViewProbe() { return std::make_unique<Win32Probe>(); }

}  // namespace kvirlo::testing
