#include "platform/win32/SingleInstance.h"

#include "platform/win32/SystemWindow.h"

namespace kvirlo::win32 {

SingleInstance::SingleInstance() {
  // "Local\" is the user's own session: another user runs a copy of his own.
  mutex_ = Handle(CreateMutexW(nullptr, FALSE, L"Local\\Kvirlo.Reminder"));
  first_ = !mutex_ || GetLastError() != ERROR_ALREADY_EXISTS;
}

void SingleInstance::knock() {
  // The first copy may still be starting: give its window a moment to exist.
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (HWND running = FindWindowW(SystemWindow::kClassName, nullptr)) {
      DWORD process = 0;
      GetWindowThreadProcessId(running, &process);
      AllowSetForegroundWindow(process);
      PostMessageW(running, SystemWindow::showMainMessage(), 0, 0);
      return;
    }
    Sleep(100);
  }
}

}  // namespace kvirlo::win32
