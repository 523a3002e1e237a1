#pragma once

#include "platform/autostart.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/media_player.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/shell.h"
#include "platform/tray_icons.h"
#include "platform/user_store.h"

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
