#pragma once

#include "platform/window/menu_item.h"
#include "platform/window/window.h"

namespace kvirlo {

class App;

// The hidden owner of the tray icon: it receives the icon's clicks and
// carries the icon's popup menu. It is never shown.
class frmSlug : public Window {
 public:
  explicit frmSlug(App& app);

  // A mouse event over the tray icon; only the right button opens the menu.
  void Form_MouseMove(int button) override;

  void mnuSite_Internet_Click();
  void mnuAbout_Click();
  void mnuTime_Click();
  void mnuUsl_Click();
  void mnuExit_Click();

  MenuItem mnuMenu{*this, "mnuMenu", "mnuMenu"};
  MenuItem mnuSite_Internet{mnuMenu, "mnuSite_Internet", "Сайт программы"};
  MenuItem mnuAbout{mnuMenu, "mnuAbout", "О программе"};
  MenuItem mnuSep{mnuMenu, "mnuSep", "-"};
  MenuItem mnuTime{mnuMenu, "mnuTime", "Время"};
  MenuItem mnuUsl{mnuMenu, "mnuUsl", "Изм.условия"};
  MenuItem mnuExit{mnuMenu, "mnuExit", "Exit"};

 private:
  App& app_;
};

}  // namespace kvirlo
