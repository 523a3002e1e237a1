#pragma once

#include "platform/event_gate.h"
#include "platform/qt/LinuxPaths.h"
#include "platform/qt/LinuxProcess.h"
#include "platform/qt/PosixFiles.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtMedia.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtStore.h"
#include "platform/qt/QtTranslations.h"
#include "platform/qt/QtTray.h"
#include "platform/qt/XdgAutostart.h"
#include "platform/services.h"

namespace kvirlo::qt {

// Every service of the Linux program, built together.
class LinuxServices {
 public:
  explicit LinuxServices(EventGate& gate);
  Services services();

  QtTranslations translations;  // before the boxes and dialogs that show them
  QtClock clock;
  QtStore store;
  PosixFiles files;
  XdgAutostart autostart{files};
  QtTray tray;
  QtMessageBox messageBox;
  QtDialogs dialogs;
  LinuxPaths paths;
  QtShell shell;
  QtMediaPlayers media;
  QtTone tone;
  LinuxProcess process;
};

}  // namespace kvirlo::qt
