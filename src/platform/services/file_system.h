#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace kvirlo {

// The files the program reads and writes: the settings file and the tuner's
// command file. Text is UTF-8 inside the program; the platform converts it
// to the file's encoding.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The start of the file, at most `maxBytes`, or nothing when it cannot be read.
  virtual std::optional<std::string> read(const std::string& path, std::size_t maxBytes) = 0;
  // Replaces the file with `text` as one step: readers see the old file or
  // the complete new one, never a part. False when it could not be written.
  virtual bool replace(const std::string& path, const std::string& text) = 0;
  // The same for a command file, in the encoding its interpreter reads. A
  // text the interpreter cannot read exactly is not written (false): a
  // character replaced on the way could change what the command does.
  virtual bool replaceScript(const std::string& path, const std::string& text) {
    return replace(path, text);
  }
  // Whether `path` is a file a command interpreter could start: it exists,
  // is not a folder, and where the system has the notion, may be executed.
  virtual bool isProgram(const std::string& path) = 0;
};

}  // namespace kvirlo
