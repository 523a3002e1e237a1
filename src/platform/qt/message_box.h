#pragma once

#include <string>

#include "platform/services/message_box.h"

namespace kvirlo::qt {

// A modal box with the program's icon.
class QtMessageBox : public MessageBox {
 public:
  int show(const std::string& text, int flags, const std::string& title) override;
};

}  // namespace kvirlo::qt
