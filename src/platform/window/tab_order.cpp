#include "platform/window/tab_order.h"

#include <algorithm>

#include "platform/window/view_layout.h"
#include "platform/window/window.h"

namespace kvirlo {
namespace {

// Boxes whose tops differ by less than this stand in one row: a field and
// the check box beside it are rarely aligned to the twip.
constexpr double kRowTolerance = 150;

bool takesKeyboard(ControlKind kind) { return traitsOf(kind).takesKeyboard; }

bool reachable(const Control& c, double clientHeight) {
  for (const Control* p = &c; p; p = p->container)
    if (!p->enabled() || !p->visible()) return false;
  return c.geometry().top < clientHeight;
}

// The children of `container` (nothing: the window's own), in rows.
void collect(const Window& window, const Control* container, double clientHeight,
             std::vector<Control*>& out) {
  std::vector<Control*> items;
  for (Control* c : window.controls())
    if (c->container == container &&
        (c->kind() == ControlKind::Frame || takesKeyboard(c->kind())))
      items.push_back(c);
  std::stable_sort(items.begin(), items.end(),
                   [](const Control* a, const Control* b) { return a->geometry().top < b->geometry().top; });
  for (auto row = items.begin(); row != items.end();) {
    const double rowTop = (*row)->geometry().top;
    auto end = std::find_if(row, items.end(),
                            [rowTop](const Control* c) { return c->geometry().top >= rowTop + kRowTolerance; });
    std::stable_sort(row, end,
                     [](const Control* a, const Control* b) { return a->geometry().left < b->geometry().left; });
    for (auto it = row; it != end; ++it) {
      if ((*it)->kind() == ControlKind::Frame) collect(window, *it, clientHeight, out);
      else if (reachable(**it, clientHeight)) out.push_back(*it);
    }
    row = end;
  }
}

}  // namespace

std::vector<Control*> tabOrder(const Window& window) {
  std::vector<Control*> order;
  collect(window, nullptr, clientSize(window).height, order);
  return order;
}

Control* nextInTabOrder(const Window& window, const Control* from, bool forward) {
  const std::vector<Control*> order = tabOrder(window);
  if (order.empty()) return nullptr;
  const auto at = std::find(order.begin(), order.end(), from);
  if (at == order.end()) return forward ? order.front() : order.back();
  const auto i = static_cast<std::size_t>(at - order.begin());
  return order[forward ? (i + 1) % order.size() : (i + order.size() - 1) % order.size()];
}

Control* nextInGroup(const Window& window, const Control& from, bool forward) {
  if (from.kind() != ControlKind::OptionButton) return nullptr;
  std::vector<Control*> group;
  for (Control* c : tabOrder(window))
    if (c->kind() == ControlKind::OptionButton && c->group == from.group) group.push_back(c);
  const auto at = std::find(group.begin(), group.end(), &from);
  if (at == group.end() || group.size() < 2) return nullptr;
  const auto i = static_cast<std::size_t>(at - group.begin());
  return group[forward ? (i + 1) % group.size() : (i + group.size() - 1) % group.size()];
}

}  // namespace kvirlo
