#pragma once

#include "platform/win32/win.h"

#include "platform/services/dialogs.h"
#include "platform/services/message_box.h"

namespace kvirlo::win32 {

// Message boxes and the common dialogs, owned by the active window of the
// program so that they stay in front of it.
class Win32MessageBox : public MessageBox {
 public:
  int show(const std::string& text, int flags, const std::string& title) override;
};

class Win32Dialogs : public Dialogs {
 public:
  std::optional<std::string> openFile(const FileDialogRequest& request) override;
  std::optional<Colour> chooseColour(Colour initial) override;

 private:
  COLORREF custom_[16] = {};
};

// The program's window the user sees now, to own a dialog; may be null.
HWND dialogOwner();

}  // namespace kvirlo::win32
