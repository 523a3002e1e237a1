#pragma once

#include <optional>
#include <string>

#include "platform/win32/win.h"

namespace kvirlo::win32 {

// The program keeps text in UTF-8; Windows speaks UTF-16 and, in files of
// earlier versions, the ANSI code page.
std::wstring wide(const std::string& utf8);
std::string utf8(const std::wstring& text);
std::string utf8(const wchar_t* text, int length);

// UTF-8 to a single-byte code page and back. Characters the code page has
// no byte for become '?', never a look-alike ("best fit" could turn a full-
// width quote into a real one).
std::string toCodePage(const std::string& utf8, unsigned codePage);
std::string fromCodePage(const std::string& bytes, unsigned codePage);
// The same, but nothing when a character has no byte of its own, when the
// text is not UTF-8 or when the system cannot convert to that code page.
std::optional<std::string> toCodePageExactly(const std::string& utf8, unsigned codePage);

// The text of a window or control, whole.
std::wstring windowText(HWND hwnd);

}  // namespace kvirlo::win32
