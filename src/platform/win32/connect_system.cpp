#include "platform/win32/connect_system.h"

#include "app/Program.h"

namespace kvirlo::win32 {

void connectToSystem(Program& program, Win32Services& system) {
  system.tray.onMouse = [&program](int button) { program.trayMouse(button); };
  system.window.listen([&program](UINT message, WPARAM w, LPARAM, LRESULT& result) {
    if (message == SystemWindow::showMainMessage()) {
      program.anotherStart();
      result = 0;
      return true;
    }
    // Logging off or shutting down: the reminder is cleaned up before the
    // session ends.
    if (message == WM_QUERYENDSESSION) {
      result = TRUE;
      return true;
    }
    if (message == WM_ENDSESSION && w) {
      program.closeRequest();
      result = 0;
      return true;
    }
    return false;
  });
}

}  // namespace kvirlo::win32
