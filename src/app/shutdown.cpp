#include "app/shutdown.h"

#include <cstdlib>

#include "app/App.h"
#include "app/texts.h"
#include "settings/settings_module.h"

namespace kvirlo {

void forgetPendingReminder(App& app) {
  app.services().autostart.remove(texts::AppTitle);
  app.services().store.set("running", "OFF");
}

void ExitProgram(App& app) {
  Services& sys = app.services();
  // A save that fails must not keep the reminder armed for the next logon:
  // the clean-up below runs whatever the save did.
  SaveSettings(app);
  sys.tray.remove(app.TrayIcon);
  forgetPendingReminder(app);
  sys.process.end();
  // end() never comes back; should a platform's ever do, nothing may run on.
  std::abort();
}

}  // namespace kvirlo
