#pragma once

#include "platform/services/autostart.h"
#include "platform/services/clock.h"
#include "platform/services/dialogs.h"
#include "platform/services/file_system.h"
#include "platform/services/media_player.h"
#include "platform/services/message_box.h"
#include "platform/services/paths.h"
#include "platform/services/process.h"
#include "platform/services/shell.h"
#include "platform/services/tone.h"
#include "platform/services/tray_icons.h"
#include "platform/services/user_store.h"

namespace kvirlo {

// Everything the program needs from the system, handed to it at start.
struct Services {
  Clock& clock;
  UserStore& store;
  Autostart& autostart;
  TrayIcons& tray;
  MessageBox& messageBox;
  Dialogs& dialogs;
  Paths& paths;
  FileSystem& files;
  Shell& shell;
  MediaPlayers& media;
  Tone& tone;
  Process& process;
};

}  // namespace kvirlo
