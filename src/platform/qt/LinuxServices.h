#pragma once

#include "platform/qt/QtTranslations.h"
#include "platform/qt/autostart.h"
#include "platform/qt/clock.h"
#include "platform/qt/dialogs.h"
#include "platform/qt/file_system.h"
#include "platform/qt/media_player.h"
#include "platform/qt/message_box.h"
#include "platform/qt/paths.h"
#include "platform/qt/process.h"
#include "platform/qt/shell.h"
#include "platform/qt/tone.h"
#include "platform/qt/tray_icons.h"
#include "platform/qt/user_store.h"
#include "platform/services/services.h"
#include "platform/window/event_gate.h"

namespace kvirlo::qt {

// Every service of the Linux program, built together.
class LinuxServices {
 public:
  explicit LinuxServices(EventGate& gate);
  Services services();

  QtTranslations translations;  // before the boxes and dialogs that show them
  TimerfdClock clock;
  IniStore store;
  PosixFiles files;
  XdgAutostart autostart{files};
  QtTray tray;
  QtMessageBox messageBox;
  QtDialogs dialogs;
  LinuxPaths paths;
  QtShell shell;
  SoundHelperPlayers media;
  SoundHelperTone tone;
  LinuxProcess process;
};

}  // namespace kvirlo::qt
