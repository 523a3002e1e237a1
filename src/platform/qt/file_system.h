#pragma once

#include "platform/services/file_system.h"

namespace kvirlo::qt {

// Files as POSIX has them. A replacement is written beside the old file,
// flushed to the disk and renamed over it, so that a crash at any moment
// leaves either the old file or the new one, never a part.
class PosixFiles : public FileSystem {
 public:
  std::optional<std::string> read(const std::string& path, std::size_t maxBytes) override;
  bool replace(const std::string& path, const std::string& text) override;
  bool isProgram(const std::string& path) override;
};

}  // namespace kvirlo::qt
