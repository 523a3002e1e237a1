#include "platform/menu_item.h"

#include <utility>

#include "platform/window.h"

namespace kvirlo {

MenuItem::MenuItem(Window& owner, std::string name, std::string caption)
    : owner_(owner), name_(std::move(name)), caption_(std::move(caption)) {
  owner_.addMenu(*this);
}

MenuItem::MenuItem(MenuItem& parent, std::string name, std::string caption)
    : owner_(parent.owner_), name_(std::move(name)), caption_(std::move(caption)) {
  parent.children_.push_back(this);
}

}  // namespace kvirlo
