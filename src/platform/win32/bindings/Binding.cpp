#include "platform/win32/bindings/Binding.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "platform/win32/colours.h"
#include "platform/win32/mouse.h"
#include "platform/win32/mouse_tracking.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {

Binding::Binding(Control& control, BindingHost& host) : control_(control), host_(host) {}

Binding::~Binding() = default;

void Binding::build() {
  const Class cls = windowClass();
  if (!control_.accessibleName.empty() && !namedByText()) addNameLabel();
  hwnd_ = CreateWindowExW(cls.exStyle, cls.name, L"", WS_CHILD | cls.style, 0, 0, 1, 1, host_.surface(),
                          nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return;
  applyFont();
  created();
  addToolTip();
  SetWindowSubclass(hwnd_, procedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

// A screen reader names a field, slider or spinner after the static text
// just before it among the window's children. The label the user sees may
// stand after it, or name another control; this one, of no size, names it.
void Binding::addNameLabel() {
  CreateWindowExW(0, L"STATIC", wide(control_.accessibleName).c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT,
                  0, 0, 0, 0, host_.surface(), nullptr, GetModuleHandleW(nullptr), nullptr);
}

void Binding::release() {
  if (hwnd_) RemoveWindowSubclass(hwnd_, procedure, 0);
}

void Binding::addToolTip() {
  if (control_.toolTip.empty()) return;
  HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             host_.surface(), nullptr, GetModuleHandleW(nullptr), nullptr);
  std::wstring text = wide(control_.toolTip);
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = host_.surface();
  info.uId = reinterpret_cast<UINT_PTR>(hwnd_);
  info.lpszText = text.data();
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Binding::applyFont() {
  const Font& f = control_.font;
  HFONT font = host_.face();
  if (!f.face.empty() || f.points > 0 || f.bold || f.underline) {
    LOGFONTW face{};
    GetObjectW(font, sizeof face, &face);
    if (!f.face.empty()) {
      const std::wstring name = wide(f.face).substr(0, LF_FACESIZE - 1);
      std::fill(std::begin(face.lfFaceName), std::end(face.lfFaceName), L'\0');
      name.copy(face.lfFaceName, name.size());
    }
    if (f.points > 0) face.lfHeight = -static_cast<LONG>(f.points * 96 * host_.scale().factor / 72 + 0.5);
    face.lfWeight = f.bold ? FW_BOLD : FW_NORMAL;
    face.lfUnderline = f.underline;
    font_.reset(CreateFontIndirectW(&face));
    font = font_.get();
  }
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Binding::apply(Property property) {
  if (!hwnd_) return;
  switch (property) {
    case Property::Enabled:
      EnableWindow(hwnd_, control_.enabled());
      applyOwn(property);
      break;
    case Property::Visible:
      // A control hidden under a resting pointer would keep its mouse tracking.
      if (!control_.visible()) endMouseTrackingIn(hwnd_);
      ShowWindow(hwnd_, control_.visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Property::BackColor:
    case Property::ForeColor:
      if (!control_.takesColours()) break;
      back_.reset(control_.paintsBack() ? CreateSolidBrush(colorOf(control_.backColor())) : nullptr);
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case Property::Geometry:
      fitCaption();
      break;
    case Property::Text:
      applyOwn(property);
      fitCaption();
      break;
    case Property::Value:
    case Property::Range:
    case Property::Locked:
      applyOwn(property);
      break;
    case Property::Name:  // a window's, never a control's
      break;
  }
}

LRESULT Binding::onColour(HDC dc) {
  if (control_.takesColours()) SetTextColor(dc, colorOf(control_.foreColor()));
  if (!back_.get()) {
    SetBkColor(dc, host_.backColour());
    return reinterpret_cast<LRESULT>(host_.background());
  }
  SetTextColor(dc, colorOf(control_.foreColor()));
  SetBkColor(dc, colorOf(control_.backColor()));
  return reinterpret_cast<LRESULT>(back_.get());
}

int Binding::markMargin(HDC dc) const {
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return scaledPixels(16) + metrics.tmAveCharWidth / 2 + 2;
}

int Binding::scaledPixels(int pixels) const {
  return static_cast<int>(std::lround(pixels * host_.scale().factor));
}

TextExtent Binding::measureCaption(double points, int wrapWidth) const {
  LOGFONTW face{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)), sizeof face, &face);
  face.lfHeight = -static_cast<LONG>(std::lround(points * 96 * host_.scale().factor / 72));
  face.lfWidth = 0;
  FontHandle font(CreateFontIndirectW(&face));
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, font.get());
  const int margin = captionMargin(dc);
  const std::wstring text = wide(control_.text());
  RECT area{0, 0, wrapWidth > 0 ? std::max(1, wrapWidth - margin) : 1 << 20, 0};
  const UINT wrap = wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_CALCRECT | DT_NOPREFIX | wrap);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  return {static_cast<int>(area.right - area.left) + margin, static_cast<int>(area.bottom - area.top)};
}

void Binding::fitCaption() {
  if (smallerFont_.get()) {
    applyFont();
    smallerFont_.reset();
  }
  LOGFONTW face{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)), sizeof face, &face);
  const double points = std::abs(face.lfHeight) * 72.0 / (96 * host_.scale().factor);
  const CaptionFit fit = kvirlo::fitCaption(control_, host_.scale(), points,
                                            [this](double p, int wrap) { return measureCaption(p, wrap); });
  if (fit.points > 0 && fit.points != points) {
    face.lfHeight = -static_cast<LONG>(std::lround(fit.points * 96 * host_.scale().factor / 72));
    face.lfWidth = 0;
    smallerFont_.reset(CreateFontIndirectW(&face));
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(smallerFont_.get()), TRUE);
  }
  const Rect& r = fit.box;
  SetWindowPos(hwnd_, nullptr, px(r.left), px(r.top), std::max(1, px(r.width)), std::max(1, px(r.height)),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Binding::forwardPointer(UINT message) {
  Control* c = &control_;
  if (isButtonDown(message)) {
    const int button = buttonOf(message);
    deliver([c, button] { c->mouseDown(button); });
    return true;
  }
  if (isButtonUp(message)) {
    const int button = buttonOf(message);
    deliver([c, button] { c->mouseUp(button); });
    if (button == buttons::Left) deliver([c] { c->click(); });
    return true;
  }
  if (message == WM_MOUSEMOVE) {
    deliver([c] { c->mouseMove(); });
    return true;
  }
  return false;
}

bool Binding::forwardClick(WORD code) {
  Control* c = &control_;
  if (code == BN_CLICKED) deliver([c] { c->click(); });
  return true;
}

LRESULT CALLBACK Binding::procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* binding = reinterpret_cast<Binding*>(data);
  LRESULT result = 0;
  if (binding && binding->onOwnMessage(message, w, l, result)) return result;
  return DefSubclassProc(hwnd, message, w, l);
}

}  // namespace kvirlo::win32
