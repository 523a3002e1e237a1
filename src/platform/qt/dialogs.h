#pragma once

#include <optional>
#include <string>

#include "platform/services/dialogs.h"

namespace kvirlo::qt {

// The open-file and colour dialogs.
class QtDialogs : public Dialogs {
 public:
  std::optional<std::string> openFile(const FileDialogRequest& request) override;
  std::optional<Colour> chooseColour(Colour initial) override;
};

}  // namespace kvirlo::qt
