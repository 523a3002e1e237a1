#pragma once

#include "platform/win32/win.h"

#include "platform/services/dialogs.h"

namespace kvirlo::win32 {

// The common dialogs, owned by the active window of the program so that
// they stay in front of it.
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
