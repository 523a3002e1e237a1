// Where a user clicks each control of the program's windows, for the desktop
// scripts that click a control by its name (desktop.sh's click_on): the
// windows are built on fakes as the program builds them, and both views put
// every control at its model's box. One line a control,
//   WINDOW CONTROL X Y
// in twips within the window's inside, and "WINDOW - WIDTH HEIGHT" for the
// inside itself, from which a script takes the view's scale.
#include <cstdio>

#include "app/App.h"
#include "fakes/world.h"
#include "platform/window/control.h"
#include "platform/window/view_layout.h"

namespace {

// A check box or an option button answers on its mark and its caption, which
// may end well before its box does: the mark, at the box's left, is sure.
// Anything else answers all over its box.
kvirlo::Rect clickBox(const kvirlo::Control& c) {
  const kvirlo::Rect& r = c.geometry();
  const bool marked = c.kind() == kvirlo::ControlKind::CheckBox || c.kind() == kvirlo::ControlKind::OptionButton;
  return marked ? kvirlo::Rect{r.left, r.top, r.height, r.height} : r;
}

}  // namespace

int main() {
  using namespace kvirlo;
  testing::World world;
  App app(world.services);
  // Each reference builds its window, hidden, as the program does.
  app.form1(); app.form2(); app.form3(); app.form4(); app.player(); app.about(); app.slug();
  if (app.windows().size() != kWindowCount) {
    std::fprintf(stderr, "a window of the program is missing from the line above\n");
    return 1;
  }
  for (const Window* window : app.windows()) {
    const char* name = windowName(window->id());
    const ClientSize inside = clientSize(*window);
    std::printf("%s - %g %g\n", name, inside.width, inside.height);
    for (const Control* c : window->controls()) {
      const Rect r = clickBox(*c);
      std::printf("%s %s %g %g\n", name, c->name().c_str(), r.left + r.width / 2, r.top + r.height / 2);
    }
  }
}
