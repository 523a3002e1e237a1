#include "platform/win32/bindings/Binding.h"
#include "platform/win32/pictures.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {
namespace {

// A picture for a button, on the button's own face colour: one of the
// program's pictures, or else the caption in `font`.
HBITMAP buttonImage(const std::string& picture, const std::string& caption, HFONT font, int width,
                    int height) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT area{0, 0, width, height};
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  if (!picture.empty()) {
    drawPicture(dc, area, picture);
  } else {
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, wide(caption).c_str(), -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

// A push button with a caption or one of the program's pictures.
class CommandButtonBinding : public Binding {
 public:
  using Binding::Binding;

  bool onCommand(WORD code) override { return forwardClick(code); }

 protected:
  Class windowClass() const override {
    return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | (showsImage() ? DWORD{BS_BITMAP} : 0u)};
  }
  int captionMargin(HDC) const override { return scaledPixels(10); }

  bool namedByText() const override { return true; }

  void created() override {
    if (!showsImage()) return;
    SetWindowTextW(hwnd_, wide(control_.accessibleName).c_str());  // BS_BITMAP draws only the picture
    const Rect& r = control_.geometry();
    image_.reset(buttonImage(control_.picture, control_.text(), host_.face(), px(r.width) - 8, px(r.height) - 8));
    SendMessageW(hwnd_, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image_.get()));
  }

  // Enter presses the button that has the focus, as Space does; no button
  // of the program is a window's default.
  bool onOwnMessage(UINT message, WPARAM w, LPARAM, LRESULT& result) override {
    if (message != WM_KEYDOWN || w != VK_RETURN) return false;
    result = 0;
    Control* c = &control_;
    deliver([c] { c->click(); });
    return true;
  }

  void applyOwn(Property property) override {
    if (property == Property::Text && !showsImage()) SetWindowTextW(hwnd_, wide(control_.text()).c_str());
  }

 private:
  // A screen reader speaks a button's window text. A button whose caption
  // says too little to be heard («...») shows it as a picture instead, and
  // its window text is its name.
  bool showsImage() const {
    return !control_.picture.empty() ||
           (!control_.accessibleName.empty() && control_.accessibleName != control_.text());
  }

  Bitmap image_;
};

}  // namespace

std::unique_ptr<Binding> makeCommandButtonBinding(Control& control, BindingHost& host) {
  return std::make_unique<CommandButtonBinding>(control, host);
}

}  // namespace kvirlo::win32
