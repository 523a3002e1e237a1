#include "platform/win32/WindowView.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "platform/window/binding_for.h"
#include "platform/win32/colours.h"
#include "platform/win32/mouse_tracking.h"
#include "platform/win32/pictures.h"
#include "platform/win32/text.h"
#include "platform/win32/trace.h"

namespace kvirlo::win32 {
namespace {

DWORD styleOf(const Window& w) {
  if (w.border == BorderStyle::None) return WS_POPUP;
  // No WS_CLIPCHILDREN: group boxes do not paint their insides, the window does.
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  if (w.minButton) style |= WS_MINIMIZEBOX;
  if (w.maxButton) style |= WS_MAXIMIZEBOX;
  return style;
}

DWORD exStyleOf(const Window& w) {
  DWORD exStyle = w.taskbarButton ? 0 : WS_EX_TOOLWINDOW;
  if (w.border == BorderStyle::FixedDialog) exStyle |= WS_EX_DLGMODALFRAME;
  return exStyle;
}

void registerClass(const std::wstring& name, WNDPROC procedure, bool hasIcon) {
  static std::set<std::wstring> registered;
  if (registered.count(name)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name.c_str();
  if (hasIcon) {
    wc.hIcon = largeAppIcon();
    wc.hIconSm = smallAppIcon();
  }
  if (RegisterClassExW(&wc)) registered.insert(name);
}

PixelRect pixels(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

PixelRect workAreaOf(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(monitor, &info);
  return pixels(info.rcWork);
}

}  // namespace

std::wstring WindowView::className(WindowId id) { return L"Kvirlo." + wide(windowName(id)); }

WindowView::WindowView(Window& model, EventGate& gate, Scale scale, HFONT font)
    : WindowViewBase(model, gate, scale), fontFactor_(scale.factor), font_(font) {
  Applying applying(*this);
  create();
  if (!hwnd_) return;
  trace("created", windowName(model.id()));
  applyBackColor();
  bindControls();
  applyGeometry();
  applyVisibility();
}

void WindowView::create() {
  const std::wstring cls = className(model()->id());
  registerClass(cls, windowProcedure, model()->hasIcon);
  hwnd_ = CreateWindowExW(exStyleOf(*model()), cls.c_str(), wide(model()->caption()).c_str(), styleOf(*model()),
                          CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr, nullptr,
                          GetModuleHandleW(nullptr), this);
  if (!hwnd_) return;
  setDpi(windowDpi());
  if (model()->hasIcon) return;
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, 0);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, 0);
}

void WindowView::bindControls() {
  BindingHost& host = *this;
  for (Control* c : model()->controls()) {
    bindings_.push_back(bindingFor<Binding>(*c, host));
    bindings_.back()->build();
  }
  for (auto& binding : bindings_) binding->stack();
  for (auto& binding : bindings_)
    for (Property p : {Property::Text, Property::Value, Property::Range, Property::Enabled,
                       Property::Visible, Property::BackColor, Property::Locked, Property::Geometry})
      binding->apply(p);
}

WindowView::~WindowView() {
  detach();  // whatever the destruction sends reaches no model
}

void WindowView::release() {
  if (!hwnd_) return;
  HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  for (auto& binding : bindings_) binding->release();
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  DestroyWindow(hwnd);
}

HWND WindowView::handleOf(const Control& control) const {
  const Binding* binding = bindingOf(control);
  return binding ? binding->handle() : nullptr;
}

Binding* WindowView::bindingOf(HWND hwnd) const {
  for (auto& binding : bindings_)
    if (binding->handle() == hwnd) return binding.get();
  return nullptr;
}

Binding* WindowView::bindingOf(const Control& control) const {
  for (auto& binding : bindings_)
    if (&binding->control() == &control) return binding.get();
  return nullptr;
}

COLORREF WindowView::backColour() const { return colorOf(model() ? model()->backColor() : 0); }

// The window's own DPI where Windows can tell it (Windows 10 and later).
UINT WindowView::windowDpi() const {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto get = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  return get && hwnd_ ? get(hwnd_) : 0;
}

void WindowView::setDpi(UINT dpi) {
  if (dpi == 0) return;
  const double factor = dpi / 96.0;
  if (factor == viewScale().factor) return;
  viewScale().factor = factor;
  LOGFONTW face{};
  GetObjectW(font_, sizeof face, &face);
  face.lfHeight = MulDiv(face.lfHeight, static_cast<int>(dpi), static_cast<int>(std::lround(fontFactor_ * 96)));
  scaledFont_.reset(CreateFontIndirectW(&face));
}

// Moved to a monitor of another DPI: the layout is placed again at the new
// scale, where Windows suggests.
void WindowView::onDpiChanged(UINT dpi, const RECT& suggested) {
  setDpi(dpi);
  for (auto& binding : bindings_) {
    binding->applyFont();
    apply(*binding, Property::Geometry);
  }
  Applying applying(*this);
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowView::apply(Binding& binding, Property property) {
  Applying applying(*this);
  binding.apply(property);
}

void WindowView::applyControl(Control& control, Property property) {
  if (Binding* binding = bindingOf(control)) apply(*binding, property);
}

void WindowView::applyCaption() { SetWindowTextW(hwnd_, wide(model()->caption()).c_str()); }

void WindowView::applyBackColor() {
  background_.reset(CreateSolidBrush(colorOf(model()->backColor())));
  InvalidateRect(hwnd_, nullptr, TRUE);
}

PixelRect WindowView::frame() const {
  RECT frame{};
  GetWindowRect(hwnd_, &frame);
  return pixels(frame);
}

void WindowView::moveFrameTo(PixelPoint at) {
  SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WindowView::setClientSize(int width, int height) {
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, styleOf(*model()), FALSE, exStyleOf(*model()));
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

std::vector<PixelRect> WindowView::workAreas() const {
  std::vector<PixelRect> areas;
  auto add = [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
    reinterpret_cast<std::vector<PixelRect>*>(data)->push_back(workAreaOf(monitor));
    return TRUE;
  };
  EnumDisplayMonitors(nullptr, nullptr, add, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

PixelRect WindowView::mainWorkArea() const {
  return workAreaOf(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

bool WindowView::isShown() const { return hwnd_ && IsWindowVisible(hwnd_); }

void WindowView::hideWindow() {
  endMouseTrackingIn(hwnd_);
  ShowWindow(hwnd_, SW_HIDE);
}

void WindowView::showWindow() {
  ShowWindow(hwnd_, SW_SHOW);
  if (topMostOnShow_) {
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    topMostOnShow_ = false;
  }
  UpdateWindow(hwnd_);
  trace("painted", windowName(model()->id()));
}

void WindowView::bringForward() {
  SetForegroundWindow(hwnd_);
  SetActiveWindow(hwnd_);
}

void WindowView::stayOnTop() {
  // QUIRK(Wine under X), listed in docs/quirks.md.
  // A window first shown already on top is placed wrong under some X
  // window managers (the place they report is a caption's height off
  // the real one, and every click lands that far off), so a hidden
  // window goes on top the moment it shows.
  if (!IsWindowVisible(hwnd_)) {
    topMostOnShow_ = true;
    return;
  }
  SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WindowView::stayAtBottom() {
  topMostOnShow_ = false;
  SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

const Control* WindowView::focusedControl() const {
  const Binding* at = bindingOf(GetFocus());
  return at ? &at->control() : nullptr;
}

bool WindowView::focusControl(Control& control, bool selectText) {
  Binding* binding = bindingOf(control);
  if (!binding) return false;
  focus(*binding, selectText);
  return true;
}

bool WindowView::focusByTab(Control& control, bool) {
  Binding* target = bindingOf(control);
  if (!target) return false;
  // The keyboard is in use: buttons and boxes show where the focus is.
  SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  focus(*target, true);
  return true;
}

// A field reached by Tab, or by the program moving on, has its text
// selected, so what the user types next replaces it.
void WindowView::focus(Binding& binding, bool selectText) {
  SetFocus(binding.handle());
  if (selectText && binding.control().kind() == ControlKind::TextBox && !binding.control().multiLine)
    SendMessageW(binding.handle(), EM_SETSEL, 0, -1);
}

}  // namespace kvirlo::win32
