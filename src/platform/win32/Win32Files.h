#pragma once

#include "platform/file_system.h"

namespace kvirlo::win32 {

// Files in the encodings their readers expect: the settings file in the ANSI
// code page (as earlier versions wrote it), command files in the OEM code
// page that cmd.exe reads them in. A replacement is written beside the old
// file, flushed, and moved over it in one step.
class Win32Files : public FileSystem {
 public:
  std::optional<std::string> read(const std::string& path, std::size_t maxBytes) override;
  bool replace(const std::string& path, const std::string& text) override;
  bool replaceScript(const std::string& path, const std::string& text) override;

  // The bytes as they are, for the replacement above and for tests.
  static bool replaceBytes(const std::string& path, const std::string& bytes);
};

}  // namespace kvirlo::win32
