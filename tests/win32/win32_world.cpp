#include "win32/win32_world.h"

#include <gtest/gtest.h>

#include "platform/win32/connect_system.h"
#include "platform/win32/autostart.h"
#include "platform/win32/registry.h"
#include "platform/win32/text.h"

namespace kvirlo::testing {

void forgetEverything() {
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kvirlo");
  win32::RegKey(win32::RunKeyAutostart::kKey, KEY_SET_VALUE, false).remove(L"Квирло 3.01");
  win32::Win32Paths paths;
  DeleteFileW(win32::wide(paths.windowsDirectory() + "\\Kvir_Config.ini").c_str());
  DeleteFileW(win32::wide(paths.settingsFallbackDirectory() + "\\Kvir_Config.ini").c_str());
  DeleteFileW(win32::wide(paths.programDirectory() + "\\~.cmd").c_str());
}

Win32World::Win32World()
    : font(CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma")),
      views(Scale{}, font.get()) {
  endWithTheStandIn(gate);
  app = &program.open(services);
  win32::connectToSystem(program, system);
}

Win32World::~Win32World() {
  program.close();  // the windows go before the services they use
  app = nullptr;
  pump(0);
}

void Win32World::pump(int ms) {
  const ULONGLONG until = GetTickCount64() + ms;
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (win32::WindowView::navigationKey(msg)) continue;  // as the program's own loop
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    program.collectGarbage();
    if (GetTickCount64() < until) Sleep(5);
  } while (GetTickCount64() < until);
}

win32::WindowView* Win32World::viewOf(const Window& window) const {
  return static_cast<win32::WindowView*>(program.viewOf(window));
}

HWND Win32World::windowOf(const Window& window) const {
  const auto* v = viewOf(window);
  return v ? v->handle() : nullptr;
}

HWND Win32World::controlOf(const Control& control) const {
  const auto* v = viewOf(control.window());
  return v ? v->handleOf(control) : nullptr;
}

std::wstring Win32World::textOf(HWND hwnd) {
  return win32::windowText(hwnd);
}

std::string Win32World::bytesOf(const std::string& path) {
  win32::Handle file(CreateFileW(win32::wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, 0, nullptr));
  if (!file) return "<missing>";
  std::string bytes(1 << 16, '\0');
  DWORD got = 0;
  ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
  bytes.resize(got);
  return bytes;
}

bool Win32World::ends(const std::function<void()>& action) {
  const int before = process.ends;
  try {
    action();
  } catch (const ProcessEnded&) {
    return true;
  }
  return process.ends > before;  // ended inside an event the gate delivered
}

}  // namespace kvirlo::testing
