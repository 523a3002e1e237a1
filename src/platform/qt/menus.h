#pragma once

#include <map>

class QAction;
class QMenu;

namespace kvirlo {
class MenuItem;
struct MenuEntries;
}

namespace kvirlo::qt {

// Fills `into` with a menu's entries (separators and submenus included);
// tells which action stands for which command number.
std::map<QAction*, int> fillMenu(QMenu& into, const MenuEntries& menu);

// The same for the model's menu `root`; tells which action stands for which entry.
std::map<QAction*, MenuItem*> fillMenu(QMenu& into, MenuItem& root);

}  // namespace kvirlo::qt
