#pragma once

#include "platform/services/message_box.h"

namespace kvirlo::win32 {

// Message boxes, owned by the active window of the program (dialogOwner) so
// that they stay in front of it.
class Win32MessageBox : public MessageBox {
 public:
  int show(const std::string& text, int flags, const std::string& title) override;
};

}  // namespace kvirlo::win32
