#include "tray/tray_icon.h"

#include "app/App.h"
#include "app/Form1.h"
#include "app/texts.h"
#include "tray/frmSlug.h"

namespace kvirlo {

void AddTrayIcon(App& app) {
  frmSlug& owner = app.slug();  // it must exist to receive the icon's clicks
  app.form1();                  // whose icon it shows
  app.TrayIcon = {true, 1, texts::ShortName, &owner.mnuMenu};
  app.services().tray.add(app.TrayIcon);
}

}  // namespace kvirlo
