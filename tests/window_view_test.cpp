#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "platform/window/control.h"
#include "platform/window/event_gate.h"
#include "platform/window/view_registry.h"
#include "platform/window/window.h"
#include "platform/window/window_view_base.h"

namespace kvirlo {
namespace {

// A toolkit of one screen (0, 0, 1000, 800) whose primitives say what was asked.
struct FakeView : WindowViewBase {
  using WindowViewBase::WindowViewBase;
  using WindowViewBase::activated;
  using WindowViewBase::releasedOnWindow;
  using WindowViewBase::tab;
  bool hasWindow() const override { return true; }
  PixelRect frame() const override { return at; }
  void moveFrameTo(PixelPoint p) override { at.x = p.x, at.y = p.y, log.push_back("move"); }
  void setClientSize(int w, int h) override { at.width = w, at.height = h; }
  std::vector<PixelRect> workAreas() const override { return {{0, 0, 1000, 800}}; }
  PixelRect mainWorkArea() const override { return {0, 0, 1000, 800}; }
  bool isShown() const override { return shown; }
  void showWindow() override { shown = true; }
  void hideWindow() override { shown = false; }
  void applyCaption() override {}
  void applyAccessibleName() override {}
  void applyBackColor() override {}
  void applyControl(Control&, Property) override {}
  void bringForward() override { log.push_back("forward"); }
  void stayOnTop() override { log.push_back("top"); }
  void stayAtBottom() override { log.push_back("bottom"); }
  void startDrag() override { log.push_back("drag"); }
  void callForAttention(const std::string& m) override { log.push_back("attention " + m); }
  const Control* focusedControl() const override { return focused; }
  bool focusControl(Control& c, bool select) override {
    log.push_back("focus " + c.name() + (select ? "*" : ""));
    return true;
  }
  bool focusByTab(Control& c, bool) override {
    focused = &c;
    log.push_back("tab " + c.name());
    return true;
  }
  int runMenu(const MenuEntries& m, const Control*) override {
    log.push_back(std::to_string(m.entries.size()) + " entries");
    return choice;
  }
  void release() override { log.push_back("release"); }
  PixelRect at;
  bool shown = false;
  const Control* focused = nullptr;
  int choice = 0;
  std::vector<std::string> log;
};

struct Host : WindowHost, ViewFactory {
  void unload(Window& w) override { w.markUnloaded(); }
  std::unique_ptr<View> viewOf(Window& w, EventGate& gate) override {
    auto v = std::make_unique<FakeView>(w, gate, Scale{});
    view = v.get();
    return v;
  }
  FakeView* view = nullptr;
};

struct Sample : Window {
  explicit Sample(ModelContext& c) : Window(c, WindowId::Form2, "Sample") {
    frame.setGeometry({1500, 1500, 3000, 3000});
    field.setGeometry({150, 150, 600, 300});
    box.setGeometry({150, 600, 600, 300});
    menu.onClick = [this] { log.push_back("menu"); };
    sub.onClick = [this] { log.push_back("sub"); };
  }
  void Form_Activate() override { log.push_back("activate"); }
  void Form_MouseUp(int) override { log.push_back("window up"); }
  Control frame{*this, "frame", ControlKind::Frame};
  Control field{*this, "field", ControlKind::TextBox};
  Control box{*this, "box", ControlKind::CheckBox};
  MenuItem root{*this, "root", ""};
  MenuItem menu{root, "menu", "Меню"};
  MenuItem line{root, "line", "-"};
  MenuItem parent{root, "parent", "Ещё"};
  MenuItem sub{parent, "sub", "Подменю"};
  std::vector<std::string> log;
};

struct WindowViewBaseTest : ::testing::Test {
  WindowViewBaseTest() {
    w.clientWidth = w.clientHeight = 6000;  // 400 by 400 pixels
    w.announce();
  }
  FakeView& view() { return *host.view; }
  testing::FakeClock clock;
  Host host;
  EventGate gate;
  ViewRegistry views{host, gate};
  ModelContext context{clock, host, &views};
  Sample w{context};
};

TEST_F(WindowViewBaseTest, ACentredWindowIsCentredOnceAndAStrayOneComesBackOnScreen) {
  w.centred = true;
  w.setGeometry({0, 0, 6000, 6000});
  w.show();
  EXPECT_EQ(view().at.x, 300);
  EXPECT_EQ(view().at.y, 200);
  view().moveFrameTo({10, 10});  // the user moved it
  w.hide();
  w.show();
  EXPECT_EQ(view().at.x, 10) << "shown again where the user left it";

  w.centred = false;
  w.setGeometry({-90000, 90000, 6000, 6000});
  EXPECT_EQ(view().at.x, 0);
  EXPECT_EQ(view().at.y, 400);
  EXPECT_EQ(w.top(), 400 * 15) << "the model keeps the place it really has";
}

TEST_F(WindowViewBaseTest, ActivationIsReportedOnceAndNotForTheProgramsOwn) {
  w.show();  // the model activates the shown window itself
  view().activated(true);
  view().activated(false);
  view().activated(true);
  view().activated(true);
  EXPECT_EQ(w.log, (std::vector<std::string>{"activate", "activate"}));
}

TEST_F(WindowViewBaseTest, RequestsReachThePrimitives) {
  w.setTopMost();
  w.sendToBottom();
  w.beginDrag();
  w.callForAttention("Пора");
  w.setFocus(w.field, true);  // hidden: no focus
  w.show();
  w.setFocus(w.field, true);
  EXPECT_EQ(view().log, (std::vector<std::string>{"top", "bottom", "drag", "attention Пора", "forward",
                                                  "focus field*"}));
}

TEST_F(WindowViewBaseTest, MenusTabAndTheBareWindowGoWhereTheyBelong) {
  for (int choice : {0, 1, 2, 3}) {
    view().choice = choice;
    w.popupMenu(w.root);
  }
  EXPECT_EQ(view().log.front(), "3 entries");
  EXPECT_TRUE(view().tab(true));
  EXPECT_TRUE(view().tab(true));
  view().releasedOnWindow(buttons::Left, {110, 110});  // inside the frame
  view().releasedOnWindow(buttons::Left, {390, 10});
  w.frame.onMouseUp = [this](int) { w.log.push_back("frame up"); };
  view().releasedOnWindow(buttons::Left, {110, 110});
  EXPECT_EQ(w.log, (std::vector<std::string>{"menu", "sub", "window up", "frame up"}));
  EXPECT_EQ(view().log[4], "tab field");
  EXPECT_EQ(view().log[5], "tab box");
  views.windowDestroyed(w);
  view().activated(true);
  EXPECT_EQ(w.log.size(), 4u) << "no input reaches a model that is gone";
}

}  // namespace
}  // namespace kvirlo
