#include "platform/win32/message_box.h"

#include "platform/win32/dialogs.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {

int Win32MessageBox::show(const std::string& text, int flags, const std::string& title) {
  // The program's flags are Windows' own; a box may come while no window of
  // the program is shown (the tray menu), so it asks to come to the front.
  UINT style = static_cast<UINT>(flags) | MB_SETFOREGROUND;
  HWND owner = dialogOwner();
  if (!owner) style |= MB_TOPMOST;
  return MessageBoxW(owner, wide(text).c_str(), wide(title).c_str(), style);
}

}  // namespace kvirlo::win32
