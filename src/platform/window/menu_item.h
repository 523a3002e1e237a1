#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kvirlo {

class Window;

// An entry of a popup menu; an entry with children is a submenu, a caption
// of "-" a separator line.
class MenuItem {
 public:
  MenuItem(Window& owner, std::string name, std::string caption);
  MenuItem(MenuItem& parent, std::string name, std::string caption);
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  Window& window() const { return owner_; }
  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  bool isSeparator() const { return caption_ == "-"; }
  const std::vector<MenuItem*>& children() const { return children_; }

  std::function<void()> onClick;
  void click() {
    if (onClick) onClick();
  }

 private:
  Window& owner_;
  std::string name_;
  std::string caption_;
  std::vector<MenuItem*> children_;
};

// A popup menu as a view builds it: the entries in order, each command
// numbered from 1, so that a toolkit's menu can answer with a number.
struct MenuEntry {
  enum class Kind { Command, Separator, Submenu };
  Kind kind = Kind::Command;
  std::string caption;
  int command = 0;                 // a command's number
  std::vector<MenuEntry> entries;  // a submenu's entries
};

struct MenuEntries {
  std::vector<MenuEntry> entries;
  std::vector<MenuItem*> commands;  // command n is commands[n - 1]
  // The entry chosen by number; null for 0 or a number the menu never gave.
  MenuItem* command(int number) const;
};

MenuEntries menuEntries(MenuItem& root);

}  // namespace kvirlo
