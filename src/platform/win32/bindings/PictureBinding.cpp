#include "platform/win32/bindings/Binding.h"
#include "platform/win32/pictures.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {
namespace {

// One of the program's pictures, drawn by the window on the picture's own
// background; the whole box takes the mouse.
class PictureBinding : public Binding {
 public:
  using Binding::Binding;

  void onDraw(const DRAWITEMSTRUCT& draw) override {
    FillRect(draw.hDC, &draw.rcItem, ownBrush() ? ownBrush() : host_.background());
    drawPicture(draw.hDC, draw.rcItem, control_.picture);
  }

 protected:
  Class windowClass() const override { return {L"STATIC", SS_NOTIFY | SS_OWNERDRAW}; }
  bool namedByText() const override { return true; }
  // Owner-drawn, it shows only the picture.
  void created() override { SetWindowTextW(hwnd_, wide(control_.accessibleName).c_str()); }
  void applyOwn(Property) override {}
  bool onOwnMessage(UINT message, WPARAM, LPARAM, LRESULT&) override { return forwardPointer(message); }
};

}  // namespace

std::unique_ptr<Binding> makePictureBinding(Control& control, BindingHost& host) {
  return std::make_unique<PictureBinding>(control, host);
}

}  // namespace kvirlo::win32
