#include "platform/win32/WindowView.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "platform/menu_item.h"
#include "platform/tab_order.h"
#include "platform/win32/colours.h"
#include "platform/win32/mouse.h"
#include "platform/win32/mouse_tracking.h"
#include "platform/win32/pictures.h"
#include "platform/win32/text.h"
#include "platform/win32/trace.h"

namespace kvirlo::win32 {
namespace {

constexpr UINT kBeginDragMessage = WM_APP + 10;
// Tab or Esc for the window: wParam the key, lParam nonzero with Shift; a
// window of ours answers 1.
constexpr UINT kNavigationKey = WM_APP + 11;

// The one place that knows which binding serves which kind of control.
std::unique_ptr<Binding> bindingFor(Control& c, BindingHost& host) {
  switch (c.kind()) {
    case ControlKind::Label: return labelBinding(c, host);
    case ControlKind::Picture: return pictureBinding(c, host);
    case ControlKind::TextBox: return textBoxBinding(c, host);
    case ControlKind::CheckBox: return checkBoxBinding(c, host);
    case ControlKind::OptionButton: return optionButtonBinding(c, host);
    case ControlKind::CommandButton: return commandButtonBinding(c, host);
    case ControlKind::Frame: return frameBinding(c, host);
    case ControlKind::Line: return lineBinding(c, host);
    case ControlKind::Slider: return sliderBinding(c, host);
    case ControlKind::UpDown: return upDownBinding(c, host);
  }
  return nullptr;
}

// A change made while the view copies the model is no user's input.
class Applying {
 public:
  explicit Applying(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~Applying() { flag_ = old_; }
  Applying(const Applying&) = delete;
  Applying& operator=(const Applying&) = delete;

 private:
  bool& flag_;
  bool old_;
};

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

PixelRect mainWorkArea() { return workAreaOf(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY)); }

std::vector<PixelRect> workAreas() {
  std::vector<PixelRect> areas;
  auto add = [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
    reinterpret_cast<std::vector<PixelRect>*>(data)->push_back(workAreaOf(monitor));
    return TRUE;
  };
  EnumDisplayMonitors(nullptr, nullptr, add, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

}  // namespace

std::wstring WindowView::className(WindowId id) { return L"Kvirlo." + wide(windowName(id)); }

WindowView::WindowView(Window& model, EventGate& gate, Scale scale, HFONT font)
    : model_(&model), gate_(gate), scale_(scale), fontFactor_(scale.factor), font_(font) {
  Applying applying(applying_);
  create();
  if (!hwnd_) return;
  trace("created", windowName(model.id()));
  windowChanged(Property::BackColor);
  bindControls();
  applyGeometry();
  applyVisibility();
}

void WindowView::create() {
  const std::wstring cls = className(model_->id());
  registerClass(cls, windowProcedure, model_->hasIcon);
  hwnd_ = CreateWindowExW(exStyleOf(*model_), cls.c_str(), wide(model_->caption()).c_str(), styleOf(*model_),
                          CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr, nullptr,
                          GetModuleHandleW(nullptr), this);
  if (!hwnd_) return;
  setDpi(windowDpi());
  if (model_->hasIcon) return;
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, 0);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, 0);
}

void WindowView::bindControls() {
  for (Control* c : model_->controls()) {
    bindings_.push_back(bindingFor(*c, *this));
    bindings_.back()->build();
  }
  for (auto& binding : bindings_) binding->stack();
  for (auto& binding : bindings_)
    for (Property p : {Property::Text, Property::Value, Property::Range, Property::Enabled,
                       Property::Visible, Property::BackColor, Property::Locked, Property::Geometry})
      binding->apply(p);
}

WindowView::~WindowView() {
  model_ = nullptr;  // whatever the destruction sends reaches no model
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void WindowView::detach() {
  model_ = nullptr;
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

COLORREF WindowView::backColour() const { return colorOf(model_ ? model_->backColor() : 0); }

void WindowView::deliver(const std::function<void()>& event) {
  if (model_) gate_.run(event);
}

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
  if (factor == scale_.factor) return;
  scale_.factor = factor;
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
  Applying applying(applying_);
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowView::apply(Binding& binding, Property property) {
  Applying applying(applying_);
  binding.apply(property);
}

void WindowView::controlChanged(Control& control, Property property) {
  if (!model_) return;
  if (Binding* binding = bindingOf(control)) apply(*binding, property);
}

void WindowView::windowChanged(Property property) {
  if (!hwnd_ || !model_) return;
  Applying applying(applying_);
  switch (property) {
    case Property::Text:
      SetWindowTextW(hwnd_, wide(model_->caption()).c_str());
      break;
    case Property::Visible:
      applyVisibility();
      break;
    case Property::Geometry:
      applyGeometry();
      break;
    case Property::BackColor:
      background_.reset(CreateSolidBrush(colorOf(model_->backColor())));
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    default:
      break;
  }
}

void WindowView::applyGeometry() {
  if (!hwnd_) return;
  Applying applying(applying_);
  const Window& m = *model_;
  const ClientSize size = clientSize(m);
  RECT frame{0, 0, std::max(1, px(size.width)), std::max(1, px(size.height))};
  AdjustWindowRectEx(&frame, styleOf(m), FALSE, exStyleOf(m));
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (m.centred) flags |= SWP_NOMOVE;
  SetWindowPos(hwnd_, nullptr, px(m.left()), px(m.top()), frame.right - frame.left,
               frame.bottom - frame.top, flags);
  if (!m.centred) keepOnScreen();
}

// A window stored off every screen comes back onto the main screen, and the
// program keeps the place it really has.
void WindowView::keepOnScreen() {
  RECT frame;
  GetWindowRect(hwnd_, &frame);
  const auto place = placeOnScreen(pixels(frame), workAreas(), mainWorkArea());
  if (!place) return;
  SetWindowPos(hwnd_, nullptr, place->x, place->y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
  model_->noteMovedTo(scale_.twips(place->x), scale_.twips(place->y));
}

void WindowView::applyVisibility() {
  if (!hwnd_ || !model_) return;
  Applying applying(applying_);
  if (!model_->visible()) {
    endMouseTrackingIn(hwnd_);
    ShowWindow(hwnd_, SW_HIDE);
    return;
  }
  if (model_->centred && !placed_) {
    RECT frame;
    GetWindowRect(hwnd_, &frame);
    const PixelPoint at = centredIn(mainWorkArea(), frame.right - frame.left, frame.bottom - frame.top);
    SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    placed_ = true;
  }
  ShowWindow(hwnd_, SW_SHOW);
  if (topMostOnShow_) {
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    topMostOnShow_ = false;
  }
  UpdateWindow(hwnd_);
  trace("painted", windowName(model_->id()));
}

void WindowView::request(const WindowRequest& r) {
  if (!hwnd_ || !model_) return;
  Applying applying(applying_);
  switch (r.kind) {
    case WindowRequest::Kind::Activate:
      if (IsWindowVisible(hwnd_)) {
        reportedActive_ = true;  // the activation that follows is this one
        SetForegroundWindow(hwnd_);
        SetActiveWindow(hwnd_);
      }
      break;
    case WindowRequest::Kind::TopMost:
      // A window first shown already on top is placed wrong under some X
      // window managers (the place they report is a caption's height off
      // the real one, and every click lands that far off), so a hidden
      // window goes on top the moment it shows.
      if (!IsWindowVisible(hwnd_)) {
        topMostOnShow_ = true;
        break;
      }
      SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    case WindowRequest::Kind::Bottom:
      topMostOnShow_ = false;
      SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    case WindowRequest::Kind::BeginDrag:
      // The move loop starts once the handler that asked for it is over.
      PostMessageW(hwnd_, kBeginDragMessage, 0, 0);
      break;
    case WindowRequest::Kind::Focus:
      if (Binding* b = bindingOf(*r.control); b && IsWindowVisible(hwnd_)) focus(*b, r.selectText);
      break;
    case WindowRequest::Kind::PopupMenu:
      if (r.menu) showMenu(*r.menu, r.control);
      break;
    case WindowRequest::Kind::Attention:
      break;  // the window is top-most here: nothing covers it
  }
}

void WindowView::showMenu(MenuItem& root, const Control* beside) {
  std::vector<MenuItem*> commands;
  std::function<HMENU(MenuItem&)> fill = [&](MenuItem& parent) {
    HMENU menu = CreatePopupMenu();
    for (MenuItem* item : parent.children()) {
      if (item->isSeparator()) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      } else if (!item->children().empty()) {
        AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(fill(*item)),
                    wide(item->caption()).c_str());
      } else {
        commands.push_back(item);
        AppendMenuW(menu, MF_STRING, commands.size(), wide(item->caption()).c_str());
      }
    }
    return menu;
  };
  HMENU menu = fill(root);
  // At the pointer; opened from the keyboard, under the focused control.
  POINT at;
  GetCursorPos(&at);
  if (Binding* b = beside ? bindingOf(*beside) : nullptr) {
    RECT box;
    GetWindowRect(b->handle(), &box);
    at = {box.left, box.bottom};
  }
  // A menu of a window in the background (the tray's) closes when the user
  // clicks elsewhere only if its window is in the foreground.
  SetForegroundWindow(hwnd_);
  const UINT chosen = TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x,
                                       at.y, hwnd_, nullptr);
  PostMessageW(hwnd_, WM_NULL, 0, 0);
  DestroyMenu(menu);  // submenus go with it
  if (chosen == 0 || chosen > commands.size() || !model_) return;
  commands[chosen - 1]->click();
}

LRESULT CALLBACK WindowView::windowProcedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    auto* view = static_cast<WindowView*>(create->lpCreateParams);
    view->hwnd_ = hwnd;
  }
  auto* view = reinterpret_cast<WindowView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!view || !view->model_) return DefWindowProcW(hwnd, message, w, l);
  return view->onMessage(message, w, l);
}

LRESULT WindowView::onMessage(UINT message, WPARAM w, LPARAM l) {
  if (dragging_ && followDrag(message)) return 0;
  LRESULT result = 0;
  if (onControlMessage(message, w, l, result)) return result;
  switch (message) {
    case WM_CLOSE:
      deliver([this] { model_->requestClose(); });
      return 0;
    case WM_ACTIVATE:
      if (keepFocus(w)) {
        onActivate(w);
        return 0;
      }
      onActivate(w);
      break;
    case WM_MOVE:
      onMoved();
      break;
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(hwnd_, &area);
      HDC dc = reinterpret_cast<HDC>(w);
      if (!model_->backgroundPicture.empty()) drawAlertBackground(dc, area);
      else FillRect(dc, &area, background_.get());
      return 1;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      onBackgroundMouse(message, w, l);
      return 0;
    case WM_DPICHANGED:
      onDpiChanged(HIWORD(w), *reinterpret_cast<const RECT*>(l));
      return 0;
    case kBeginDragMessage:
      beginDrag();
      return 0;
    case kNavigationKey:
      onNavigationKey(w, l != 0);
      return 1;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, w, l);
}

// What a control tells its window goes to the control's binding.
bool WindowView::onControlMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      if (Binding* b = bindingOf(reinterpret_cast<HWND>(l))) {
        result = b->onColour(reinterpret_cast<HDC>(w));
      } else {
        SetBkColor(reinterpret_cast<HDC>(w), backColour());
        result = reinterpret_cast<LRESULT>(background_.get());
      }
      return true;
    case WM_DRAWITEM: {
      const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
      if (Binding* b = bindingOf(draw.hwndItem)) b->onDraw(draw);
      result = TRUE;
      return true;
    }
    case WM_COMMAND: {
      Binding* b = l ? bindingOf(reinterpret_cast<HWND>(l)) : nullptr;
      return b && b->onCommand(HIWORD(w));
    }
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(l);
      Binding* b = bindingOf(header.hwndFrom);
      return b && b->onNotify(header, result);
    }
    case WM_HSCROLL:
      if (Binding* b = bindingOf(reinterpret_cast<HWND>(l))) b->onScroll();
      return true;  // answered with 0, as every scroll is the model's
    default:
      return false;
  }
}

bool WindowView::navigationKey(const MSG& msg) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  // Shift+F10 (a system key) and the Menu key; their release, which would
  // open a field's own menu, goes with them.
  const bool menuKey = msg.wParam == VK_APPS || (msg.wParam == VK_F10 && shift);
  const bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  const bool up = msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP;
  if (menuKey && (down || up)) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    return root && SendMessageW(root, kNavigationKey, down ? VK_APPS : 0, 0) == 1;
  }
  if (msg.message != WM_KEYDOWN || (msg.wParam != VK_TAB && msg.wParam != VK_ESCAPE)) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  return root && SendMessageW(root, kNavigationKey, msg.wParam, shift) == 1;
}

// Tab and Shift+Tab go in the program's reading order; Esc is the window's,
// as no control of the program uses it.
void WindowView::onNavigationKey(WPARAM key, bool shift) {
  if (key == 0) return;  // the Menu key's release
  if (key == VK_APPS) {
    Binding* at = bindingOf(GetFocus());
    deliver([this, at] { model_->menuKey(at ? &at->control() : nullptr); });
    return;
  }
  if (key == VK_ESCAPE) {
    deliver([this] { model_->keyDown(keys::Escape); });
    return;
  }
  Binding* from = bindingOf(GetFocus());
  Control* to = nextInTabOrder(*model_, from ? &from->control() : nullptr, !shift);
  Binding* target = to ? bindingOf(*to) : nullptr;
  if (!target) return;
  // The keyboard is in use: buttons and boxes show where the focus is.
  SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  focus(*target, true);
}

// A field reached by Tab, or by the program moving on, has its text
// selected, so what the user types next replaces it.
void WindowView::focus(Binding& binding, bool selectText) {
  SetFocus(binding.handle());
  if (selectText && binding.control().kind() == ControlKind::TextBox && !binding.control().multiLine)
    SendMessageW(binding.handle(), EM_SETSEL, 0, -1);
}

// The system would give an activated window the focus itself, where no key
// does anything: it goes back to the control that had it, or to the first.
bool WindowView::keepFocus(WPARAM w) {
  if (LOWORD(w) == WA_INACTIVE) {
    HWND focus = GetFocus();
    lastFocus_ = focus && IsChild(hwnd_, focus) ? focus : nullptr;
    return false;
  }
  if (HIWORD(w)) return false;  // minimised
  HWND target = lastFocus_ && IsWindowEnabled(lastFocus_) && IsWindowVisible(lastFocus_) ? lastFocus_ : nullptr;
  if (!target) {
    Control* first = nextInTabOrder(*model_, nullptr, true);
    Binding* b = first ? bindingOf(*first) : nullptr;
    target = b ? b->handle() : nullptr;
  }
  if (!target) return false;
  SetFocus(target);
  return true;
}

void WindowView::onActivate(WPARAM w) {
  if (LOWORD(w) == WA_INACTIVE) {
    reportedActive_ = false;
  } else if (!reportedActive_ && !applying_) {
    reportedActive_ = true;
    deliver([this] { model_->activate(); });
  }
}

void WindowView::onMoved() {
  if (applying_ || !IsWindowVisible(hwnd_)) return;
  RECT frame;
  GetWindowRect(hwnd_, &frame);
  model_->noteMovedTo(scale_.twips(frame.left), scale_.twips(frame.top));
}

// The left button hands the window to the system's move loop; the others
// are followed here, with the mouse captured until the button comes up.
void WindowView::beginDrag() {
  if (GetKeyState(VK_LBUTTON) < 0) {
    ReleaseCapture();
    SendMessageW(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return;
  }
  if (GetKeyState(VK_RBUTTON) >= 0 && GetKeyState(VK_MBUTTON) >= 0) return;  // already released
  RECT frame;
  GetWindowRect(hwnd_, &frame);
  dragWindow_ = {frame.left, frame.top};
  GetCursorPos(&dragPointer_);
  dragging_ = true;
  SetCapture(hwnd_);
}

bool WindowView::followDrag(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE: {
      POINT at;
      GetCursorPos(&at);
      SetWindowPos(hwnd_, nullptr, dragWindow_.x + at.x - dragPointer_.x,
                   dragWindow_.y + at.y - dragPointer_.y, 0, 0,
                   SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
      return true;
    }
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_LBUTTONUP:
      dragging_ = false;
      ReleaseCapture();
      return true;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return false;
    default:
      return false;
  }
}

// The mouse over the bare window (a group box and a disabled control let it
// through): the innermost frame there gets a button's release, else the window.
void WindowView::onBackgroundMouse(UINT message, WPARAM w, LPARAM l) {
  if (!isButtonUp(message)) {
    const int held = heldButtons(w);
    deliver([this, held] { model_->Form_MouseMove(held); });
    return;
  }
  const int button = buttonOf(message);
  Control* frame = frameAt(*model_, scale_.twips(GET_X_LPARAM(l)), scale_.twips(GET_Y_LPARAM(l)));
  if (frame) deliver([frame, button] { frame->mouseUp(button); });
  else deliver([this, button] { model_->Form_MouseUp(button); });
}

}  // namespace kvirlo::win32
