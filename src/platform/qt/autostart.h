#pragma once

#include <string>

#include "platform/services/autostart.h"
#include "platform/services/file_system.h"

namespace kvirlo::qt {

// Start at logon: an XDG autostart entry named after the title.
class XdgAutostart : public Autostart {
 public:
  explicit XdgAutostart(FileSystem& files) : files_(files) {}
  void add(const std::string& name, const std::string& executablePath) override;
  void remove(const std::string& name) override;
  static std::string entryPath(const std::string& name);
  // The Exec line's value for a program path, quoted for the desktop entry format.
  static std::string execValue(const std::string& path);

 private:
  FileSystem& files_;
};

}  // namespace kvirlo::qt
