#include "platform/win32/Win32Files.h"

#include "platform/win32/win.h"

#include <algorithm>

#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {

std::optional<std::string> Win32Files::read(const std::string& path, std::size_t maxBytes) {
  Handle file(CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[64 * 1024];
  while (bytes.size() < maxBytes) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(sizeof buffer, maxBytes - bytes.size()));
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, want, &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  if (bytes.rfind(kUtf8Mark, 0) == 0) return bytes.substr(kUtf8Mark.size());
  return fromCodePage(bytes, CP_ACP);
}

bool Win32Files::replace(const std::string& path, const std::string& text) {
  // A text the ANSI code page cannot hold is written in UTF-8 behind the
  // mark that says so; a file without the mark stays as earlier versions
  // read and wrote it. Either way the file holds every character.
  const auto ansi = toCodePageExactly(text, CP_ACP);
  return replaceBytes(path, ansi ? *ansi : std::string(kUtf8Mark) + text);
}

bool Win32Files::replaceScript(const std::string& path, const std::string& text) {
  const auto bytes = toCodePageExactly(text, CP_OEMCP);
  return bytes && replaceBytes(path, *bytes);
}

bool Win32Files::isProgram(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::replaceBytes(const std::string& path, const std::string& bytes) {
  const std::wstring target = wide(path);
  const std::wstring fresh = target + L".new";
  {
    Handle file(CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    const bool whole = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                 &written, nullptr) &&
                       written == bytes.size() && FlushFileBuffers(file.get());
    if (!whole) {
      file.reset();
      DeleteFileW(fresh.c_str());
      return false;
    }
  }
  if (MoveFileExW(fresh.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileW(fresh.c_str());
  return false;
}

}  // namespace kvirlo::win32
