#pragma once

#include <map>

class QAction;
class QMenu;

namespace kvirlo {
class MenuItem;
}

namespace kvirlo::qt {

// Fills `into` with the entries of the model's menu `root` (separators and
// submenus included); tells which action stands for which entry.
std::map<QAction*, MenuItem*> fillMenu(QMenu& into, MenuItem& root);

}  // namespace kvirlo::qt
