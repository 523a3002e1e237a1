#pragma once

#include "platform/services/services.h"
#include "platform/win32/SystemWindow.h"
#include "platform/win32/autostart.h"
#include "platform/win32/clock.h"
#include "platform/win32/dialogs.h"
#include "platform/win32/file_system.h"
#include "platform/win32/media_player.h"
#include "platform/win32/message_box.h"
#include "platform/win32/paths.h"
#include "platform/win32/process.h"
#include "platform/win32/shell.h"
#include "platform/win32/tone.h"
#include "platform/win32/tray_icons.h"
#include "platform/win32/user_store.h"
#include "platform/window/event_gate.h"

namespace kvirlo::win32 {

// Every service of the Windows program, built together around the hidden
// window that receives the system's messages.
class Win32Services {
 public:
  explicit Win32Services(EventGate& gate) : clock(window, gate), tray(window, gate) {}
  Services services() {
    return {clock, store, autostart, tray, messageBox, dialogs, paths, files, shell, media, tone, process};
  }

  SystemWindow window;
  WindowTimerClock clock;
  RegistryStore store;
  RunKeyAutostart autostart;
  Win32Tray tray;
  Win32MessageBox messageBox;
  Win32Dialogs dialogs;
  Win32Paths paths;
  Win32Files files;
  Win32Shell shell;
  MciPlayers media;
  BeepTone tone;
  Win32Process process;
};

}  // namespace kvirlo::win32
