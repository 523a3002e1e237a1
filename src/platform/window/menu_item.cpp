#include "platform/window/menu_item.h"

#include <utility>

#include "platform/window/window.h"

namespace kvirlo {

MenuItem::MenuItem(Window& owner, std::string name, std::string caption)
    : owner_(owner), name_(std::move(name)), caption_(std::move(caption)) {
  owner_.addMenu(*this);
}

MenuItem::MenuItem(MenuItem& parent, std::string name, std::string caption)
    : owner_(parent.owner_), name_(std::move(name)), caption_(std::move(caption)) {
  parent.children_.push_back(this);
}

namespace {

std::vector<MenuEntry> entriesOf(MenuItem& parent, std::vector<MenuItem*>& commands) {
  std::vector<MenuEntry> entries;
  for (MenuItem* item : parent.children()) {
    MenuEntry entry;
    entry.caption = item->caption();
    if (item->isSeparator()) {
      entry.kind = MenuEntry::Kind::Separator;
    } else if (!item->children().empty()) {
      entry.kind = MenuEntry::Kind::Submenu;
      entry.entries = entriesOf(*item, commands);
    } else {
      commands.push_back(item);
      entry.command = static_cast<int>(commands.size());
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace

MenuItem* MenuEntries::command(int number) const {
  if (number < 1 || number > static_cast<int>(commands.size())) return nullptr;
  return commands[static_cast<std::size_t>(number - 1)];
}

MenuEntries menuEntries(MenuItem& root) {
  MenuEntries menu;
  menu.entries = entriesOf(root, menu.commands);
  return menu;
}

}  // namespace kvirlo
