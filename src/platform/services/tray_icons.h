#pragma once

#include <string>

namespace kvirlo {

class MenuItem;

// What the program hands to the notification area: which window owns the
// icon, its number, the tip the shell shows, and the menu that a right click
// on it opens. A panel that shows menus itself (over D-Bus) is given that
// menu up front, since it never passes the right click on to the program.
struct TrayIconRecord {
  bool filled = false;  // false until the first add
  int id = 0;
  std::string tip;
  MenuItem* menu = nullptr;
};

// The notification area. Adding an icon that is already there leaves the one
// icon; removing one that is not there does nothing. Nothing is reported.
class TrayIcons {
 public:
  virtual ~TrayIcons() = default;
  virtual void add(const TrayIconRecord& icon) = 0;
  virtual void remove(const TrayIconRecord& icon) = 0;
  // False where the desktop has no notification area to show an icon in.
  virtual bool available() = 0;
};

}  // namespace kvirlo
