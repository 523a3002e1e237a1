#include "platform/qt/menus.h"

#include <QMenu>

#include "platform/menu_item.h"
#include "platform/qt/qstrings.h"

namespace kvirlo::qt {
namespace {

void fill(QMenu& into, MenuItem& parent, std::map<QAction*, MenuItem*>& items) {
  for (MenuItem* item : parent.children()) {
    if (item->isSeparator()) into.addSeparator();
    else if (!item->children().empty()) fill(*into.addMenu(q(item->caption())), *item, items);
    else items[into.addAction(q(item->caption()))] = item;
  }
}

}  // namespace

std::map<QAction*, MenuItem*> fillMenu(QMenu& into, MenuItem& root) {
  std::map<QAction*, MenuItem*> items;
  fill(into, root, items);
  return items;
}

}  // namespace kvirlo::qt
