#include "platform/win32/bindings/Binding.h"
#include "platform/win32/button_face.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {
namespace {

// A push button with a caption or one of the program's pictures.
class CommandButtonBinding : public Binding {
 public:
  using Binding::Binding;

  bool onCommand(WORD code) override { return forwardClick(code); }

 protected:
  Class windowClass() const override {
    return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | (showsImage() ? DWORD{BS_ICON} : 0u)};
  }
  int captionMargin(HDC) const override { return scaledPixels(10); }

  bool namedByText() const override { return true; }

  void created() override {
    if (!showsImage()) return;
    SetWindowTextW(hwnd_, wide(control_.accessibleName).c_str());  // BS_ICON draws only the picture
    showFace();
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
    if (property == Property::Enabled && showsImage()) showFace();
  }

 private:
  // A screen reader speaks a button's window text. A button whose caption
  // says too little to be heard («...») shows it as a picture instead, and
  // its window text is its name.
  bool showsImage() const {
    return !control_.picture.empty() ||
           (!control_.accessibleName.empty() && control_.accessibleName != control_.text());
  }

  // The face for the button's state; the old one goes once the button no
  // longer shows it.
  void showFace() {
    const Rect& r = control_.geometry();
    IconHandle old(image_.release());
    image_.reset(buttonIcon({control_.picture, control_.text(), host_.face(), control_.enabled()}, px(r.width) - 8,
                            px(r.height) - 8));
    SendMessageW(hwnd_, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(image_.get()));
  }

  IconHandle image_;
};

}  // namespace

std::unique_ptr<Binding> makeCommandButtonBinding(Control& control, BindingHost& host) {
  return std::make_unique<CommandButtonBinding>(control, host);
}

}  // namespace kvirlo::win32
