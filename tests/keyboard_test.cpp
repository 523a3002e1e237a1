#include <gtest/gtest.h>

#include "alert/Form2.h"
#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"
#include "indicator/Form4.h"
#include "sound/Player.h"
#include "tray/formAbout.h"

namespace kvirlo {
namespace {

using testing::World;

// Where the program sends the keyboard focus, and whether it selects the text.
struct FocusRecorder : ModelObserver {
  void windowRequest(Window&, const WindowRequest& r) override {
    if (r.kind == WindowRequest::Kind::Focus) focus.push_back({r.control, r.selectText});
  }
  std::vector<std::pair<Control*, bool>> focus;
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

}  // namespace
}  // namespace kvirlo
