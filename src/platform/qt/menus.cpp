#include "platform/qt/menus.h"

#include <QMenu>

#include "platform/window/menu_item.h"
#include "platform/qt/qstrings.h"

namespace kvirlo::qt {
namespace {

void fill(QMenu& into, const std::vector<MenuEntry>& entries, std::map<QAction*, int>& commands) {
  for (const MenuEntry& entry : entries) {
    switch (entry.kind) {
      case MenuEntry::Kind::Separator: into.addSeparator(); break;
      case MenuEntry::Kind::Submenu: fill(*into.addMenu(q(entry.caption)), entry.entries, commands); break;
      case MenuEntry::Kind::Command: commands[into.addAction(q(entry.caption))] = entry.command; break;
    }
  }
}

}  // namespace

std::map<QAction*, int> fillMenu(QMenu& into, const MenuEntries& menu) {
  std::map<QAction*, int> commands;
  fill(into, menu.entries, commands);
  return commands;
}

std::map<QAction*, MenuItem*> fillMenu(QMenu& into, MenuItem& root) {
  const MenuEntries menu = menuEntries(root);
  std::map<QAction*, MenuItem*> items;
  for (const auto& [action, number] : fillMenu(into, menu)) items[action] = menu.command(number);
  return items;
}

}  // namespace kvirlo::qt
