#include "platform/win32/file_system.h"

#include "platform/win32/win.h"

#include <algorithm>
#include <vector>

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

namespace {

// What cmd.exe runs as a command where PATHEXT is not set.
constexpr std::wstring_view kDefaultPathExt = L".COM;.EXE;.BAT;.CMD;.VBS;.VBE;.JS;.JSE;.WSF;.WSH;.MSC";

std::vector<std::wstring_view> extensionsIn(std::wstring_view list) {
  if (list.empty()) list = kDefaultPathExt;
  std::vector<std::wstring_view> extensions;
  for (std::size_t start = 0; start <= list.size();) {
    const std::size_t end = std::min(list.find(L';', start), list.size());
    const std::wstring_view one = list.substr(start, end - start);
    if (one.size() > 1 && one.front() == L'.') extensions.push_back(one);
    start = end + 1;
  }
  return extensions;
}

// The name's extension with its dot; empty when the name has none.
std::wstring_view extensionOf(std::wstring_view path) {
  const std::size_t name = path.find_last_of(L"\\/:");
  const std::size_t dot = path.rfind(L'.');
  if (dot == std::wstring_view::npos || (name != std::wstring_view::npos && dot < name)) return {};
  return path.substr(dot);
}

bool sameText(std::wstring_view a, std::wstring_view b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()),
                              TRUE) == CSTR_EQUAL;
}

bool isFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring pathExtOfThisProcess() {
  std::wstring value(GetEnvironmentVariableW(L"PATHEXT", nullptr, 0), L'\0');
  if (value.empty()) return value;
  value.resize(GetEnvironmentVariableW(L"PATHEXT", value.data(), static_cast<DWORD>(value.size())));
  return value;
}

}  // namespace

bool Win32Files::hasProgramExtension(std::wstring_view path, std::wstring_view pathExt) {
  const std::wstring_view extension = extensionOf(path);
  if (extension.empty()) return false;
  for (std::wstring_view one : extensionsIn(pathExt))
    if (sameText(one, extension)) return true;
  return false;
}

bool Win32Files::isProgram(const std::string& path) {
  const std::wstring file = wide(path);
  const std::wstring pathExt = pathExtOfThisProcess();
  if (hasProgramExtension(file, pathExt)) return isFile(file);
  if (!extensionOf(file).empty()) return false;
  for (std::wstring_view one : extensionsIn(pathExt))
    if (isFile(file + std::wstring(one))) return true;
  return false;
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
