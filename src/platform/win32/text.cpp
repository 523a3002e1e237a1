#include "platform/win32/text.h"

#include "platform/win32/win.h"

#include <climits>

namespace kvirlo::win32 {
namespace {

int sized(std::size_t n) { return n > INT_MAX ? INT_MAX : static_cast<int>(n); }

std::wstring decode(const std::string& bytes, unsigned codePage) {
  if (bytes.empty()) return {};
  const int n = MultiByteToWideChar(codePage, 0, bytes.data(), sized(bytes.size()), nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), sized(bytes.size()), out.data(), n);
  return out;
}

std::string encode(const std::wstring& text, unsigned codePage, BOOL* lossy) {
  if (text.empty()) return {};
  // UTF-8 takes neither a default character nor the best-fit switch.
  const bool single = codePage != CP_UTF8;
  const DWORD flags = single ? WC_NO_BEST_FIT_CHARS : 0;
  const char* fallback = single ? "?" : nullptr;
  BOOL* used = single ? lossy : nullptr;
  const int n = WideCharToMultiByte(codePage, flags, text.data(), sized(text.size()), nullptr, 0,
                                    fallback, used);
  std::string out(n, '\0');
  WideCharToMultiByte(codePage, flags, text.data(), sized(text.size()), out.data(), n, fallback,
                      used);
  return out;
}

}  // namespace

std::wstring wide(const std::string& utf8) { return decode(utf8, CP_UTF8); }

std::string utf8(const std::wstring& text) { return encode(text, CP_UTF8, nullptr); }

std::string utf8(const wchar_t* text, int length) {
  return utf8(std::wstring(text, length < 0 ? 0 : length));
}

std::string toCodePage(const std::string& text, unsigned codePage) {
  BOOL lossy = FALSE;
  return encode(wide(text), codePage, &lossy);
}

std::string fromCodePage(const std::string& bytes, unsigned codePage) {
  return utf8(decode(bytes, codePage));
}

std::optional<std::string> toCodePageExactly(const std::string& text, unsigned codePage) {
  BOOL lossy = FALSE;
  std::string out = encode(wide(text), codePage, &lossy);
  if (lossy) return std::nullopt;
  return out;
}

std::wstring windowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(length + 1, L'\0');
  const int got = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(got < 0 ? 0 : got);
  return text;
}

}  // namespace kvirlo::win32
