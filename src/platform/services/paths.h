#pragma once

#include <string>

namespace kvirlo {

// Where the program and its files are.
class Paths {
 public:
  virtual ~Paths() = default;
  // The folder the settings file and the default sound live in, without a
  // trailing separator; "" when it cannot be found.
  virtual std::string windowsDirectory() = 0;
  // The folder holding the executable, as the system reports it (a drive
  // root keeps its separator).
  virtual std::string programDirectory() = 0;
  // The executable's name without its extension, and the extension
  // (".exe" on Windows, "" elsewhere).
  virtual std::string executableBaseName() = 0;
  virtual std::string executableExtension() = 0;
  // A folder of the user's own that keeps the settings file when the
  // Windows directory cannot be written, created on first use; "" when the
  // platform has none (the settings then live in the first folder only).
  virtual std::string settingsFallbackDirectory() { return ""; }
  // The separator between the parts of a path: '\\' or '/'.
  virtual char separator() = 0;
};

// The folder a file's path names, without the file: "C:\\a\\b.wav" gives
// "C:\\a", "D:\\tv.exe" gives "D:\\", "/tv" gives "/"; a bare name gives "".
std::string folderOf(const std::string& path, char separator);

}  // namespace kvirlo
