#include "platform/win32/WindowView.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "platform/win32/mouse_tracking.h"
#include "platform/win32/pictures.h"
#include "platform/win32/text.h"
#include "platform/win32/trace.h"

namespace kvirlo::win32 {
namespace {

constexpr UINT kBeginDragMessage = WM_APP + 10;

COLORREF colorOf(Colour c) { return RGB(redOf(c), greenOf(c), blueOf(c)); }

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
  if (w.border == BorderStyle::None) return WS_EX_TOOLWINDOW;
  if (w.border == BorderStyle::FixedDialog) return WS_EX_DLGMODALFRAME;
  return 0;
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

int buttonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: return buttons::Left;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: return buttons::Right;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: return buttons::Middle;
    default: return 0;
  }
}

int heldButtons(WPARAM w) {
  int held = 0;
  if (w & MK_LBUTTON) held |= buttons::Left;
  if (w & MK_RBUTTON) held |= buttons::Right;
  if (w & MK_MBUTTON) held |= buttons::Middle;
  return held;
}

bool isDown(UINT m) { return m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN; }
bool isUp(UINT m) { return m == WM_LBUTTONUP || m == WM_RBUTTONUP || m == WM_MBUTTONUP; }

// A picture for a button, on the button's own face colour.
HBITMAP buttonImage(const std::string& picture, int width, int height) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT area{0, 0, width, height};
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  drawPicture(dc, area, picture);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

}  // namespace

std::wstring WindowView::className(WindowId id) { return L"Kvirlo." + wide(windowName(id)); }

WindowView::WindowView(Window& model, EventGate& gate, Scale scale, HFONT font)
    : model_(&model), gate_(gate), scale_(scale), fontFactor_(scale.factor), font_(font) {
  Applying applying(applying_);
  const std::wstring cls = className(model.id());
  registerClass(cls, windowProcedure, model.hasIcon);
  const DWORD style = styleOf(model);
  const DWORD exStyle = exStyleOf(model);
  hwnd_ = CreateWindowExW(exStyle, cls.c_str(), wide(model.caption()).c_str(), style, CW_USEDEFAULT,
                          CW_USEDEFAULT, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) return;
  trace("created", windowName(model.id()));
  setDpi(windowDpi());
  if (!model.hasIcon) {
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, 0);
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, 0);
  }
  windowChanged(Property::BackColor);
  for (Control* c : model.controls()) {
    auto item = std::make_unique<Item>();
    item->control = c;
    build(*item);
    items_.push_back(std::move(item));
  }
  // Frames lie under the controls they hold.
  for (auto& item : items_)
    if (item->control->kind() == ControlKind::Frame && item->hwnd)
      SetWindowPos(item->hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (auto& item : items_)
    for (Property p : {Property::Text, Property::Value, Property::Range, Property::Enabled,
                       Property::Visible, Property::BackColor, Property::Locked, Property::Geometry})
      apply(*item, p);
  applyGeometry();
  applyVisibility();
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
  for (auto& item : items_) RemoveWindowSubclass(item->hwnd, controlProcedure, 0);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  DestroyWindow(hwnd);
}

HWND WindowView::handleOf(const Control& control) const {
  for (const auto& item : items_)
    if (item->control == &control) return item->hwnd;
  return nullptr;
}

WindowView::Item* WindowView::itemOf(HWND hwnd) {
  for (auto& item : items_)
    if (item->hwnd == hwnd) return item.get();
  return nullptr;
}

WindowView::Item* WindowView::itemOf(const Control& control) {
  for (auto& item : items_)
    if (item->control == &control) return item.get();
  return nullptr;
}

void WindowView::deliver(const std::function<void()>& event) {
  if (model_) gate_.run(event);
}

void WindowView::build(Item& item) {
  const Control& c = *item.control;
  const wchar_t* cls = L"STATIC";
  DWORD style = WS_CHILD;
  DWORD exStyle = 0;
  switch (c.kind()) {
    case ControlKind::Label:
      // A label's "&" is a character, not a mnemonic.
      style |= SS_NOTIFY | SS_NOPREFIX | (c.geometry().height > 300 ? SS_LEFT : SS_LEFTNOWORDWRAP);
      break;
    case ControlKind::Picture:
      style |= SS_NOTIFY | SS_OWNERDRAW;
      break;
    case ControlKind::Line:
      style |= c.geometry().width >= c.geometry().height ? SS_ETCHEDHORZ : SS_ETCHEDVERT;
      break;
    case ControlKind::TextBox:
      cls = L"EDIT";
      exStyle = WS_EX_CLIENTEDGE;
      style |= WS_TABSTOP;
      if (c.multiLine) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (c.verticalScrollBar) style |= WS_VSCROLL;
      } else {
        style |= ES_AUTOHSCROLL;
      }
      if (c.readOnly) style |= ES_READONLY;
      break;
    case ControlKind::CheckBox:
      cls = L"BUTTON";
      style |= WS_TABSTOP | BS_3STATE;  // the model ticks it: no automatic toggle
      break;
    case ControlKind::OptionButton:
      cls = L"BUTTON";
      style |= WS_TABSTOP | BS_RADIOBUTTON;  // the model keeps a group's choice
      break;
    case ControlKind::CommandButton:
      cls = L"BUTTON";
      style |= WS_TABSTOP | BS_PUSHBUTTON;
      if (!c.picture.empty()) style |= BS_BITMAP;
      break;
    case ControlKind::Frame:
      cls = L"BUTTON";
      style |= BS_GROUPBOX;
      break;
    case ControlKind::Slider:
      cls = TRACKBAR_CLASSW;
      style |= WS_TABSTOP | TBS_HORZ | TBS_BOTH | TBS_NOTICKS;
      break;
    case ControlKind::UpDown:
      cls = UPDOWN_CLASSW;
      style |= UDS_ARROWKEYS;
      break;
  }
  item.hwnd = CreateWindowExW(exStyle, cls, L"", style, 0, 0, 1, 1, hwnd_, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  if (!item.hwnd) return;
  SetWindowLongPtrW(item.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&item));

  applyFont(item);

  if (c.kind() == ControlKind::CommandButton && !c.picture.empty()) {
    item.image.reset(buttonImage(c.picture, px(c.geometry().width) - 8, px(c.geometry().height) - 8));
    SendMessageW(item.hwnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(item.image.get()));
  }
  if (c.kind() == ControlKind::Slider) {
    SendMessageW(item.hwnd, TBM_SETLINESIZE, 0, c.smallChange);
    SendMessageW(item.hwnd, TBM_SETPAGESIZE, 0, c.largeChange);
  }
  if (c.kind() == ControlKind::UpDown) SendMessageW(item.hwnd, UDM_SETRANGE32, 0, 100000);
  if (!c.toolTip.empty()) {
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    std::wstring text = wide(c.toolTip);
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = hwnd_;
    info.uId = reinterpret_cast<UINT_PTR>(item.hwnd);
    info.lpszText = text.data();
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
  SetWindowSubclass(item.hwnd, controlProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
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

void WindowView::applyFont(Item& item) {
  const Control& c = *item.control;
  HFONT base = scaledFont_.get() ? scaledFont_.get() : font_;
  HFONT font = base;
  if (!c.font.face.empty() || c.font.points > 0 || c.font.bold || c.font.underline) {
    LOGFONTW face{};
    GetObjectW(base, sizeof face, &face);
    if (!c.font.face.empty()) {
      const std::wstring name = wide(c.font.face).substr(0, LF_FACESIZE - 1);
      std::fill(std::begin(face.lfFaceName), std::end(face.lfFaceName), L'\0');
      name.copy(face.lfFaceName, name.size());
    }
    if (c.font.points > 0) face.lfHeight = -static_cast<LONG>(c.font.points * 96 * scale_.factor / 72 + 0.5);
    face.lfWeight = c.font.bold ? FW_BOLD : FW_NORMAL;
    face.lfUnderline = c.font.underline;
    item.font.reset(CreateFontIndirectW(&face));
    font = item.font.get();
  }
  SendMessageW(item.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

// Moved to a monitor of another DPI: the layout is placed again at the new
// scale, where Windows suggests.
void WindowView::onDpiChanged(UINT dpi, const RECT& suggested) {
  setDpi(dpi);
  for (auto& item : items_) {
    applyFont(*item);
    apply(*item, Property::Geometry);
  }
  Applying applying(applying_);
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowView::apply(Item& item, Property property) {
  if (!item.hwnd) return;
  Applying applying(applying_);
  const Control& c = *item.control;
  switch (property) {
    case Property::Text: {
      if (c.kind() == ControlKind::Picture || c.kind() == ControlKind::Line ||
          c.kind() == ControlKind::Slider || c.kind() == ControlKind::UpDown)
        break;
      if (c.kind() == ControlKind::CommandButton && !c.picture.empty()) break;
      std::wstring text = wide(c.text());
      if (c.kind() == ControlKind::TextBox) {
        if (c.multiLine) {  // an edit control breaks lines at CR LF only
          std::wstring lines;
          for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) lines += L'\r';
            lines += text[i];
          }
          text = lines;
        }
        if (c.maxLength > 0)
          SendMessageW(item.hwnd, EM_SETLIMITTEXT, std::max<std::size_t>(c.maxLength, text.size()), 0);
        if (windowText(item.hwnd) == text) break;  // leaves the caret where the user has it
      }
      SetWindowTextW(item.hwnd, text.c_str());
      break;
    }
    case Property::Value:
      if (c.kind() == ControlKind::CheckBox) {
        SendMessageW(item.hwnd, BM_SETCHECK,
                     c.value() == check::Checked  ? BST_CHECKED
                     : c.value() == check::Grayed ? BST_INDETERMINATE
                                                  : BST_UNCHECKED,
                     0);
      } else if (c.kind() == ControlKind::OptionButton) {
        SendMessageW(item.hwnd, BM_SETCHECK, c.value() ? BST_CHECKED : BST_UNCHECKED, 0);
      } else if (c.kind() == ControlKind::Slider) {
        SendMessageW(item.hwnd, TBM_SETPOS, TRUE, c.value());
      }
      break;
    case Property::Range:
      if (c.kind() == ControlKind::Slider) {
        SendMessageW(item.hwnd, TBM_SETRANGEMIN, FALSE, c.minimum());
        SendMessageW(item.hwnd, TBM_SETRANGEMAX, TRUE, c.maximum());
        SendMessageW(item.hwnd, TBM_SETPOS, TRUE, c.value());
      }
      break;
    case Property::Enabled:
      EnableWindow(item.hwnd, c.enabled());
      break;
    case Property::Visible:
      if (!c.visible()) endMouseTrackingIn(item.hwnd);
      ShowWindow(item.hwnd, c.visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Property::BackColor:
    case Property::ForeColor:
      item.back.reset(CreateSolidBrush(colorOf(c.backColor())));
      InvalidateRect(item.hwnd, nullptr, TRUE);
      break;
    case Property::Locked:
      break;  // the key handler asks the model at every key
    case Property::Geometry: {
      const Rect& r = c.geometry();
      SetWindowPos(item.hwnd, nullptr, px(r.left), px(r.top), std::max(1, px(r.width)),
                   std::max(1, px(r.height)), SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
  }
}

void WindowView::controlChanged(Control& control, Property property) {
  if (!model_) return;
  if (Item* item = itemOf(control)) apply(*item, property);
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

void WindowView::keepOnScreen() {
  RECT frame;
  GetWindowRect(hwnd_, &frame);
  std::vector<PixelRect> areas;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (GetMonitorInfoW(monitor, &info)) {
          const RECT& a = info.rcWork;
          reinterpret_cast<std::vector<PixelRect>*>(data)->push_back(
              {a.left, a.top, a.right - a.left, a.bottom - a.top});
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&areas));
  MONITORINFO primary{};
  primary.cbSize = sizeof primary;
  if (!GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary)) return;
  const RECT& a = primary.rcWork;
  const auto place = placeOnScreen({frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top},
                                   areas, {a.left, a.top, a.right - a.left, a.bottom - a.top});
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
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    const RECT& a = info.rcWork;
    const int w = frame.right - frame.left;
    const int h = frame.bottom - frame.top;
    SetWindowPos(hwnd_, nullptr, a.left + (a.right - a.left - w) / 2, a.top + (a.bottom - a.top - h) / 2,
                 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    placed_ = true;
  }
  ShowWindow(hwnd_, SW_SHOW);
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
      SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    case WindowRequest::Kind::Bottom:
      SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    case WindowRequest::Kind::BeginDrag:
      // The move loop starts once the handler that asked for it is over.
      PostMessageW(hwnd_, kBeginDragMessage, 0, 0);
      break;
    case WindowRequest::Kind::Focus:
      if (Item* item = itemOf(*r.control); item && IsWindowVisible(hwnd_)) SetFocus(item->hwnd);
      break;
    case WindowRequest::Kind::PopupMenu:
      if (r.menu) showMenu(*r.menu);
      break;
  }
}

void WindowView::showMenu(MenuItem& root) {
  std::vector<MenuItem*> commands;
  std::vector<HMENU> menus;
  std::function<HMENU(MenuItem&)> fill = [&](MenuItem& parent) {
    HMENU menu = CreatePopupMenu();
    menus.push_back(menu);
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
  POINT at;
  GetCursorPos(&at);
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
  switch (message) {
    case WM_CLOSE:
      deliver([this] { model_->requestClose(); });
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(w) == WA_INACTIVE) {
        reportedActive_ = false;
      } else if (!reportedActive_ && !applying_) {
        reportedActive_ = true;
        deliver([this] { model_->activate(); });
      }
      break;
    case WM_MOVE:
      if (!applying_ && IsWindowVisible(hwnd_)) {
        RECT frame;
        GetWindowRect(hwnd_, &frame);
        model_->noteMovedTo(scale_.twips(frame.left), scale_.twips(frame.top));
      }
      break;
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(hwnd_, &area);
      HDC dc = reinterpret_cast<HDC>(w);
      if (!model_->backgroundPicture.empty()) drawAlertBackground(dc, area);
      else FillRect(dc, &area, background_.get());
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return onColour(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
    case WM_DRAWITEM: {
      const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
      if (Item* item = itemOf(draw.hwndItem)) {
        FillRect(draw.hDC, &draw.rcItem, item->back.get() ? item->back.get() : background_.get());
        drawPicture(draw.hDC, draw.rcItem, item->control->picture);
      }
      return TRUE;
    }
    case WM_COMMAND:
      if (l && onCommand(reinterpret_cast<HWND>(l), HIWORD(w))) return 0;
      break;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (onNotify(*reinterpret_cast<const NMHDR*>(l), result)) return result;
      break;
    }
    case WM_HSCROLL:
      if (Item* item = itemOf(reinterpret_cast<HWND>(l));
          item && item->control->kind() == ControlKind::Slider && !applying_) {
        Control* c = item->control;
        const int position = static_cast<int>(SendMessageW(item->hwnd, TBM_GETPOS, 0, 0));
        if (position != c->value()) deliver([c, position] { c->userMovesTo(position); });
      }
      return 0;
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
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, w, l);
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

// The mouse over the bare window: a frame there gets a button's release (a
// group box lets the mouse through to its window); elsewhere the window.
void WindowView::onBackgroundMouse(UINT message, WPARAM w, LPARAM l) {
  const POINT at{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
  if (isUp(message)) {
    const int button = buttonOf(message);
    for (auto& item : items_) {
      if (item->control->kind() != ControlKind::Frame || !item->control->visible()) continue;
      RECT r;
      GetWindowRect(item->hwnd, &r);
      MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
      if (PtInRect(&r, at)) {
        Control* c = item->control;
        deliver([c, button] { c->mouseUp(button); });
        return;
      }
    }
    deliver([this, button] { model_->Form_MouseUp(button); });
    return;
  }
  const int held = heldButtons(w);
  deliver([this, held] { model_->Form_MouseMove(held); });
}

LRESULT WindowView::onColour(HDC dc, HWND control) {
  Item* item = itemOf(control);
  if (!item || !item->back.get() || item->control->kind() == ControlKind::Slider ||
      item->control->kind() == ControlKind::CommandButton) {
    SetBkColor(dc, colorOf(model_->backColor()));
    return reinterpret_cast<LRESULT>(background_.get());
  }
  SetTextColor(dc, colorOf(item->control->foreColor()));
  SetBkColor(dc, colorOf(item->control->backColor()));
  return reinterpret_cast<LRESULT>(item->back.get());
}

bool WindowView::onCommand(HWND control, WORD code) {
  Item* item = itemOf(control);
  if (!item) return false;
  Control* c = item->control;
  switch (c->kind()) {
    case ControlKind::CommandButton:
      if (code == BN_CLICKED) deliver([c] { c->click(); });
      return true;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
      if (code == BN_CLICKED) {
        deliver([c] { c->click(); });
        if (model_) apply(*item, Property::Value);  // the model has the last word
      }
      return true;
    case ControlKind::TextBox:
      if (code == EN_CHANGE && !applying_) {
        const std::wstring text = windowText(control);
        std::wstring plain;  // the program's line breaks are single LFs
        for (std::size_t i = 0; i < text.size(); ++i)
          if (!(c->multiLine && text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n'))
            plain += text[i];
        const std::string value = utf8(plain);
        deliver([c, value] { c->setText(value); });
      }
      return true;
    default:
      return false;
  }
}

bool WindowView::onNotify(const NMHDR& header, LRESULT& result) {
  Item* item = itemOf(header.hwndFrom);
  if (!item || item->control->kind() != ControlKind::UpDown || header.code != UDN_DELTAPOS)
    return false;
  const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
  Control* c = item->control;
  const int step = change.iDelta > 0 ? 1 : -1;
  deliver([c, step] { c->userSpins(step); });
  result = TRUE;  // the arrows keep no number of their own
  return true;
}

LRESULT CALLBACK WindowView::controlProcedure(HWND hwnd, UINT message, WPARAM w, LPARAM l,
                                              UINT_PTR, DWORD_PTR data) {
  auto* view = reinterpret_cast<WindowView*>(data);
  Item* item = view && view->model_ ? view->itemOf(hwnd) : nullptr;
  if (!item) return DefSubclassProc(hwnd, message, w, l);
  return view->onControlMessage(*item, hwnd, message, w, l);
}

LRESULT WindowView::onControlMessage(Item& item, HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  Control* c = item.control;
  const ControlKind kind = c->kind();
  if (kind == ControlKind::TextBox) {
    switch (message) {
      case WM_KEYDOWN: {
        const int key = static_cast<int>(w);
        deliver([c, key] { c->keyDown(key); });
        swallowChar_ = model_ && c->locked();
        if (swallowChar_) return 0;
        break;
      }
      case WM_CHAR:
        if (swallowChar_ || (model_ && c->locked())) {
          swallowChar_ = false;
          return 0;
        }
        break;
      case WM_PASTE:
      case WM_CUT:
      case WM_CLEAR:
      case WM_UNDO:
        if (model_ && c->locked()) return 0;
        break;
      default:
        break;
    }
  }
  if (kind == ControlKind::Label || kind == ControlKind::Picture) {
    if (isDown(message)) {
      const int button = buttonOf(message);
      deliver([c, button] { c->mouseDown(button); });
      return 0;
    }
    if (isUp(message)) {
      const int button = buttonOf(message);
      deliver([c, button] { c->mouseUp(button); });
      if (button == buttons::Left) deliver([c] { c->click(); });
      return 0;
    }
    if (message == WM_MOUSEMOVE) {
      deliver([c] { c->mouseMove(); });
      return 0;
    }
  }
  return DefSubclassProc(hwnd, message, w, l);
}

}  // namespace kvirlo::win32
