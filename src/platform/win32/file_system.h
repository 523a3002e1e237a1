#pragma once

#include <string_view>

#include "platform/services/file_system.h"

namespace kvirlo::win32 {

// Files in the encodings their readers expect: the settings file in the ANSI
// code page (as earlier versions wrote it) unless it holds a character that
// code page lacks, then in UTF-8 behind a byte-order mark; command files in
// the OEM code page that cmd.exe reads them in. A replacement is written
// beside the old file, flushed, and moved over it in one step.
class Win32Files : public FileSystem {
 public:
  static constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

  std::optional<std::string> read(const std::string& path, std::size_t maxBytes) override;
  bool replace(const std::string& path, const std::string& text) override;
  bool replaceScript(const std::string& path, const std::string& text) override;
  // A file cmd.exe starts as a program: its extension is one PATHEXT lists,
  // or it has none and cmd.exe finds it with one of those after its name
  // ("tuner" as "tuner.exe"). A document or a file without an extension
  // would open in whatever program it belongs to, or in none.
  bool isProgram(const std::string& path) override;

  // Whether the name in `path` ends in one of the extensions of `pathExt`
  // (PATHEXT's form: ".COM;.EXE;..."; empty: cmd.exe's own list), in any case.
  static bool hasProgramExtension(std::wstring_view path, std::wstring_view pathExt);

  // The bytes as they are, for the replacement above and for tests.
  static bool replaceBytes(const std::string& path, const std::string& bytes);
};

}  // namespace kvirlo::win32
