#include "platform/win32/dialogs.h"

#include <commdlg.h>

#include <vector>

#include "platform/win32/system_library.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {
namespace {

SystemLibrary& commonDialogs() {
  static SystemLibrary comdlg32(L"comdlg32.dll");
  return comdlg32;
}

}  // namespace

HWND dialogOwner() {
  HWND active = GetActiveWindow();
  return active && IsWindowVisible(active) ? active : nullptr;
}

std::optional<std::string> Win32Dialogs::openFile(const FileDialogRequest& request) {
  // The filter is pairs of description and patterns, each ending in a NUL,
  // and Windows separates patterns with semicolons.
  std::wstring patterns = wide(request.filter);
  for (auto& ch : patterns)
    if (ch == L' ') ch = L';';
  const std::wstring description =
      request.description.empty() ? wide(request.filter) : wide(request.description);
  std::wstring filter = description + L'\0' + patterns + L'\0';
  filter += std::wstring(L"*.*") + L'\0' + L"*.*" + L'\0' + L'\0';

  std::vector<wchar_t> name(32768, L'\0');
  const std::wstring preset = wide(request.fileName);
  if (preset.size() < name.size() && preset.find_first_of(L"*?") == std::wstring::npos)
    preset.copy(name.data(), preset.size());
  const std::wstring title = wide(request.title);
  const std::wstring folder = wide(request.folder);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = dialogOwner();
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                 OFN_EXPLORER;
  static const auto getOpenFileName =
      commonDialogs().function<decltype(&GetOpenFileNameW)>("GetOpenFileNameW");
  if (!getOpenFileName || !getOpenFileName(&dialog)) return std::nullopt;
  return utf8(name.data(), static_cast<int>(wcsnlen(name.data(), name.size())));
}

std::optional<Colour> Win32Dialogs::chooseColour(Colour initial) {
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = dialogOwner();
  dialog.rgbResult = initial & kMaxColour;  // COLORREF is 0x00BBGGRR, as the program keeps colours
  dialog.lpCustColors = custom_;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
  static const auto chooseColor = commonDialogs().function<decltype(&ChooseColorW)>("ChooseColorW");
  if (!chooseColor || !chooseColor(&dialog)) return std::nullopt;
  return static_cast<Colour>(dialog.rgbResult & kMaxColour);
}

}  // namespace kvirlo::win32
