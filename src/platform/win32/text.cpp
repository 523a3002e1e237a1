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
  if (text.empty()) return std::string();
  // Text that is not UTF-8 has no exact form in any code page.
  const int size = sized(text.size());
  const int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (units <= 0) return std::nullopt;
  std::wstring utf16(units, L'\0');
  if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, utf16.data(), units) != units)
    return std::nullopt;
  // Windows set to use UTF-8 for every program has it as its ANSI and OEM
  // code pages; UTF-8 takes neither the best-fit switch nor a default
  // character, and refuses a conversion that names them.
  const unsigned actual = codePage == CP_ACP ? GetACP() : codePage == CP_OEMCP ? GetOEMCP() : codePage;
  const bool single = actual != CP_UTF8;
  const DWORD flags = single ? WC_NO_BEST_FIT_CHARS : 0;
  const char* fallback = single ? "?" : nullptr;
  BOOL lossy = FALSE;
  BOOL* used = single ? &lossy : nullptr;
  // A conversion that fails gives nothing, never an empty text: written to
  // a file, that would pass for one.
  const int n = WideCharToMultiByte(actual, flags, utf16.data(), units, nullptr, 0, fallback, used);
  if (n <= 0 || lossy) return std::nullopt;
  std::string out(n, '\0');
  if (WideCharToMultiByte(actual, flags, utf16.data(), units, out.data(), n, fallback, used) != n || lossy)
    return std::nullopt;
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
