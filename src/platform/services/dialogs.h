#pragma once

#include <optional>
#include <string>

#include "platform/window/colour.h"

namespace kvirlo {

struct FileDialogRequest {
  std::string title;
  std::string fileName;     // preset in the name box
  std::string filter;       // description or patterns, e.g. "*.wav *.mp3"
  std::string description;  // what the filter lists, may be empty
  std::string folder;       // where it opens; empty: where the platform likes
};

// The common dialogs. Each returns nothing when the user cancels.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
  virtual std::optional<Colour> chooseColour(Colour initial) = 0;
};

}  // namespace kvirlo
