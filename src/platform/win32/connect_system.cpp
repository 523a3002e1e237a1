#include "platform/win32/connect_system.h"

#include "app/App.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "tray/frmSlug.h"

namespace kvirlo::win32 {

void connectToSystem(Program& program, Win32Services& system) {
  system.tray.onMouse = [&program](int button) { program.app().slug().Form_MouseMove(button); };
  system.window.listen([&program](UINT message, WPARAM w, LPARAM, LRESULT& result) {
    if (message == SystemWindow::showMainMessage()) {
      program.deliver([&program] { program.app().form1().show(); });
      result = 0;
      return true;
    }
    // Logging off or shutting down is a close request like any other: the
    // reminder is cleaned up before the session ends.
    if (message == WM_QUERYENDSESSION) {
      result = TRUE;
      return true;
    }
    if (message == WM_ENDSESSION && w) {
      program.deliver([&program] { program.app().form1().requestClose(); });
      result = 0;
      return true;
    }
    return false;
  });
}

}  // namespace kvirlo::win32
