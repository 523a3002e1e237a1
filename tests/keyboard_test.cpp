#include <gtest/gtest.h>

#include "alert/Form2.h"
#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"
#include "indicator/Form4.h"
#include "platform/window/tab_order.h"
#include "sound/Player.h"
#include "tray/formAbout.h"

namespace kvirlo {
namespace {

using testing::World;

// Where the program sends the keyboard focus, and whether it selects the text.
struct FocusRecorder : ModelObserver {
  void windowRequest(Window&, const WindowRequest& r) override {
    if (r.kind == WindowRequest::Kind::Focus) focus.push_back({r.control, r.selectText});
    if (r.kind == WindowRequest::Kind::PopupMenu) menus.push_back({r.menu, r.control});
  }
  std::vector<std::pair<Control*, bool>> focus;
  std::vector<std::pair<MenuItem*, Control*>> menus;
};

struct Keyboard : ::testing::Test {
  void SetUp() override {
    world.ownApp = std::make_unique<App>(world.services, &recorder);
    world.app = world.ownApp.get();
    ASSERT_FALSE(World::ends([&] { world.app->run(); }));
  }
  Form1& f() { return world.app->form1(); }
  FocusRecorder recorder;
  World world;
};

TEST_F(Keyboard, EnterInATimeFieldStartsTheReminder) {
  f().Text1.setText("x");
  f().Text2.setText("18");
  f().Text3.setText("05");
  f().Text2.keyDown(keys::Enter);
  EXPECT_TRUE(f().Timer1.enabled());
  f().show();
  f().Text3.setText("06");
  f().Text3.keyDown(keys::Enter);
  EXPECT_EQ(world.store.values["Minute_Kvir"], "06");
}

TEST_F(Keyboard, TheHourMovesOnToTheMinuteWithItsTextSelected) {
  f().Text3.setText("07");
  f().Text2.setText("12");
  ASSERT_FALSE(recorder.focus.empty());
  EXPECT_EQ(recorder.focus.back(), std::make_pair(&f().Text3, true)) << "typing replaces «07»";
  f().Text3.setText("");
  f().Text3.keyDown(keys::Backspace);
  EXPECT_EQ(recorder.focus.back(), std::make_pair(&f().Text2, false));
}

TEST_F(Keyboard, EscClosesTheAlertTheSoundWindowAndAboutButNoOtherWindow) {
  world.startReminder("x", "10", "00");
  world.clock.advance(Milliseconds(10));
  ASSERT_TRUE(world.app->form2().visible());
  world.app->form2().keyDown(keys::Escape);
  EXPECT_EQ(world.app->existing(WindowId::Form2), nullptr);
  EXPECT_FALSE(world.media.playing) << "the alarm stops as with «Продолжить»";
  EXPECT_TRUE(f().visible());
  for (WindowId id : {WindowId::Player, WindowId::formAbout}) {
    Window& w = id == WindowId::Player ? static_cast<Window&>(world.app->player())
                                       : static_cast<Window&>(world.app->about());
    w.show();
    w.keyDown(keys::Escape);
    EXPECT_EQ(world.app->existing(id), nullptr) << windowName(id);
  }
  world.app->form4().show();
  world.app->form4().keyDown(keys::Escape);
  EXPECT_TRUE(world.app->form4().visible()) << "the action dialog has no cancel";
  f().keyDown(keys::Escape);
  EXPECT_TRUE(f().visible());
}

// The arrows go round an option group, choosing as they go; Tab still stops
// at each option.
TEST_F(Keyboard, TheArrowsGoRoundAnOptionGroupAndChoose) {
  Form4& d = world.app->form4();
  f().Command3.click();  // the extended layout, TV and FM in sight
  f().Check3.click();    // and in use
  struct Case { Control* from; bool forward; Control* to; };
  for (const Case& c : {Case{&d.Option1, true, &d.Option2}, Case{&d.Option3, true, &d.Option1},
                        Case{&d.Option1, false, &d.Option3}, Case{&f().Option2, true, &f().Option1},
                        Case{&f().Option1, false, &f().Option2}, Case{&d.Command1, true, nullptr}}) {
    EXPECT_EQ(c.from->window().moveInGroup(*c.from, c.forward), c.to != nullptr) << c.from->name();
    if (!c.to) continue;
    EXPECT_EQ(recorder.focus.back().first, c.to) << c.from->name();
    EXPECT_EQ(c.to->value(), 1) << c.from->name();
  }
  EXPECT_EQ(world.app->settings.TunerMode, "-m:fm");
  EXPECT_EQ(nextInTabOrder(d, &d.Option1, true), &d.Option2);
}

TEST_F(Keyboard, TheMenuKeyOpensTheMainMenuBesideTheFocusedControlOnly) {
  EXPECT_TRUE(f().menuKey(&f().Text2));
  ASSERT_EQ(recorder.menus.size(), 1u);
  EXPECT_EQ(recorder.menus.back(), std::make_pair(&f().mnuMeny, &f().Text2));
  EXPECT_FALSE(world.app->form4().menuKey(&world.app->form4().Option1)) << "the dialog has no menu";
}

}  // namespace
}  // namespace kvirlo
