#include "platform/win32/bindings/Binding.h"
#include "platform/win32/pictures.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {
namespace {

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

// A push button with a caption or one of the program's pictures.
class CommandButtonBinding : public Binding {
 public:
  using Binding::Binding;

  bool onCommand(WORD code) override { return forwardClick(code); }

 protected:
  Class windowClass() const override {
    return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | (control_.picture.empty() ? 0u : DWORD{BS_BITMAP})};
  }

  bool namedByText() const override { return true; }

  void created() override {
    if (control_.picture.empty()) return;
    SetWindowTextW(hwnd_, wide(control_.accessibleName).c_str());  // BS_BITMAP draws only the picture
    const Rect& r = control_.geometry();
    image_.reset(buttonImage(control_.picture, px(r.width) - 8, px(r.height) - 8));
    SendMessageW(hwnd_, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image_.get()));
  }

  void applyOwn(Property property) override {
    if (property == Property::Text && control_.picture.empty())
      SetWindowTextW(hwnd_, wide(control_.text()).c_str());
  }

 private:
  Bitmap image_;
};

}  // namespace

std::unique_ptr<Binding> commandButtonBinding(Control& control, BindingHost& host) {
  return std::make_unique<CommandButtonBinding>(control, host);
}

}  // namespace kvirlo::win32
