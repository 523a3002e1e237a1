#include "platform/win32/bindings/Binding.h"

#include <algorithm>

#include "platform/win32/text.h"

namespace kvirlo::win32 {
namespace {

// The program's line breaks are single LFs; an edit control breaks lines at
// CR LF only.
std::wstring withCrLf(const std::wstring& text) {
  std::wstring lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) lines += L'\r';
    lines += text[i];
  }
  return lines;
}

std::wstring withoutCrLf(const std::wstring& text) {
  std::wstring plain;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')) plain += text[i];
  return plain;
}

// A text field: one line, or several with a scroll bar. Typing sets the
// model's text; every key reaches the model first, and a locked field then
// refuses it, pasting and cutting included.
class TextBoxBinding : public Binding {
 public:
  using Binding::Binding;

  bool onCommand(WORD code) override {
    if (code != EN_CHANGE || host_.applying()) return true;
    const std::wstring text = windowText(hwnd_);
    const std::string value = utf8(control_.multiLine ? withoutCrLf(text) : text);
    Control* c = &control_;
    deliver([c, value] { c->setText(value); });
    return true;
  }

 protected:
  Class windowClass() const override {
    DWORD style = WS_TABSTOP;
    if (control_.multiLine) {
      style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
      if (control_.verticalScrollBar) style |= WS_VSCROLL;
    } else {
      style |= ES_AUTOHSCROLL;
    }
    if (control_.readOnly) style |= ES_READONLY;
    return {L"EDIT", style, WS_EX_CLIENTEDGE};
  }

  void applyOwn(Property property) override {
    if (property != Property::Text) return;  // Locked: the keys ask the model
    std::wstring text = wide(control_.text());
    if (control_.multiLine) text = withCrLf(text);
    if (control_.maxLength > 0)
      SendMessageW(hwnd_, EM_SETLIMITTEXT, std::max<std::size_t>(control_.maxLength, text.size()), 0);
    if (windowText(hwnd_) == text) return;  // leaves the caret where the user has it
    SetWindowTextW(hwnd_, text.c_str());
  }

  bool onOwnMessage(UINT message, WPARAM w, LPARAM, LRESULT& result) override {
    result = 0;
    switch (message) {
      case WM_KEYDOWN: {
        Control* c = &control_;
        const int key = static_cast<int>(w);
        bool refused = false;
        deliver([c, key, &refused] {
          c->keyDown(key);
          refused = c->locked();
        });
        swallowChar_ = refused;
        return refused;
      }
      case WM_CHAR: {
        // Enter in a one-line field is a key for the program, never a
        // character: the field would only beep at it.
        const bool enter = w == L'\r' && !control_.multiLine;
        const bool refused = swallowChar_ || control_.locked() || enter;
        swallowChar_ = false;
        return refused;
      }
      case WM_PASTE:
      case WM_CUT:
      case WM_CLEAR:
      case WM_UNDO:
        return control_.locked();
      default:
        return false;
    }
  }

 private:
  bool swallowChar_ = false;
};

}  // namespace

std::unique_ptr<Binding> makeTextBoxBinding(Control& control, BindingHost& host) {
  return std::make_unique<TextBoxBinding>(control, host);
}

}  // namespace kvirlo::win32
