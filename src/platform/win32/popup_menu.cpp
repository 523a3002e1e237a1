#include "platform/win32/WindowView.h"

#include "platform/window/menu_item.h"
#include "platform/win32/text.h"

// A window's popup menu, built from the model's entries and run modally.
namespace kvirlo::win32 {
namespace {

HMENU menuOf(const std::vector<MenuEntry>& entries) {
  HMENU menu = CreatePopupMenu();
  for (const MenuEntry& entry : entries) {
    switch (entry.kind) {
      case MenuEntry::Kind::Separator:
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        break;
      case MenuEntry::Kind::Submenu:
        AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menuOf(entry.entries)),
                    wide(entry.caption).c_str());
        break;
      case MenuEntry::Kind::Command:
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(entry.command), wide(entry.caption).c_str());
        break;
    }
  }
  return menu;
}

}  // namespace

int WindowView::runMenu(const MenuEntries& entries, const Control* beside) {
  HMENU menu = menuOf(entries.entries);
  // At the pointer; opened from the keyboard, under the focused control.
  POINT at;
  GetCursorPos(&at);
  if (Binding* b = beside ? bindingOf(*beside) : nullptr) {
    RECT box;
    GetWindowRect(b->handle(), &box);
    at = {box.left, box.bottom};
  }
  // A menu of a window in the background (the tray's) closes when the user
  // clicks elsewhere only if its window is in the foreground.
  SetForegroundWindow(hwnd_);
  const UINT chosen = TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x,
                                       at.y, hwnd_, nullptr);
  PostMessageW(hwnd_, WM_NULL, 0, 0);
  DestroyMenu(menu);  // submenus go with it
  return static_cast<int>(chosen);
}

}  // namespace kvirlo::win32
