#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fakes.h"
#include "platform/window/event_gate.h"
#include "platform/window/control.h"
#include "platform/window/menu_item.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"

namespace kvirlo {
namespace {

using testing::FakeClock;

struct NoHost : WindowHost {
  void unload(Window& w) override {
    ++unloads;
    w.markUnloaded();
  }
  int unloads = 0;
};

struct Recorder : ModelObserver {
  void windowChanged(Window&, Property p) override { log.push_back("window " + name(p)); }
  void controlChanged(Control& c, Property p) override { log.push_back(c.name() + " " + name(p)); }
  void windowRequest(Window&, const WindowRequest& r) override {
    log.push_back("request " + std::to_string(static_cast<int>(r.kind)));
  }
  static std::string name(Property p) {
    switch (p) {
      case Property::Text: return "text";
      case Property::Value: return "value";
      case Property::Enabled: return "enabled";
      case Property::Visible: return "visible";
      case Property::BackColor: return "back";
      case Property::ForeColor: return "fore";
      case Property::Geometry: return "geometry";
      case Property::Locked: return "locked";
      case Property::Range: return "range";
      case Property::Name: return "name";
    }
    return "?";
  }
  std::vector<std::string> log;
};

struct Sample : Window {
  explicit Sample(ModelContext& c) : Window(c, WindowId::Form2, "Sample") {}
  Control text{*this, "text", ControlKind::TextBox};
  Control box{*this, "box", ControlKind::CheckBox};
  Control a{*this, "a", ControlKind::OptionButton};
  Control b{*this, "b", ControlKind::OptionButton};
  Control other{*this, "other", ControlKind::OptionButton};
  Control slider{*this, "slider", ControlKind::Slider};
  Control button{*this, "button", ControlKind::CommandButton};
};

struct WindowModel : ::testing::Test {
  WindowModel() {
    sample.b.group = sample.a.group = 1;
    sample.other.group = 2;
    sample.announce();
  }
  FakeClock clock;
  NoHost host;
  Recorder recorder;
  ModelContext context{clock, host, &recorder};
  Sample sample{context};
};

TEST_F(WindowModel, ChangeHandlersRunOnceAndOnlyOnARealChange) {
  int textChanges = 0, boxClicks = 0;
  sample.text.onChange = [&] { ++textChanges; };
  sample.box.onChange = [&] { ++boxClicks; };

  sample.text.setText("abc");
  sample.text.setText("abc");
  sample.box.setValue(check::Checked);
  sample.box.setValue(check::Checked);
  sample.box.click();  // the user's click: unticks, like code would
  EXPECT_EQ(textChanges, 1);
  EXPECT_EQ(boxClicks, 2);
  EXPECT_EQ(sample.box.value(), check::Unchecked);
}

TEST_F(WindowModel, AHandlerThatChangesItsOwnControlRunsAgain) {
  std::vector<std::string> seen;
  sample.text.onChange = [&] {
    seen.push_back(sample.text.text());
    if (sample.text.text().empty()) sample.text.setText("1");
  };
  sample.text.setText("x");
  sample.text.setText("");
  EXPECT_EQ(seen, (std::vector<std::string>{"x", "", "1"}));
}

TEST_F(WindowModel, OptionButtonsOfAGroupExcludeEachOther) {
  int aClicks = 0, bClicks = 0;
  sample.a.onChange = [&] { ++aClicks; };
  sample.b.onChange = [&] { ++bClicks; };
  sample.other.setValue(1);
  sample.a.setValue(1);
  sample.b.click();
  sample.b.click();  // already chosen: nothing
  EXPECT_EQ(sample.a.value(), 0);
  EXPECT_EQ(sample.b.value(), 1);
  EXPECT_EQ(sample.other.value(), 1) << "another group is left alone";
  EXPECT_EQ(aClicks, 1) << "being cleared is no click";
  EXPECT_EQ(bClicks, 1);
}

TEST_F(WindowModel, SlidersSetByCodeRunNoHandlerButTheUsersMoveDoes) {
  int scrolls = 0;
  sample.slider.setRange(2, 20);
  sample.slider.onScroll = [&] { ++scrolls; };
  sample.slider.setValue(13);
  EXPECT_EQ(scrolls, 0);
  sample.slider.userMovesTo(99);
  EXPECT_EQ(sample.slider.value(), 20) << "the user cannot go past the end";
  EXPECT_EQ(scrolls, 1);
}

TEST_F(WindowModel, ADisabledControlIgnoresClicks) {
  int clicks = 0;
  sample.button.onClick = [&] { ++clicks; };
  sample.button.setEnabled(false);
  sample.button.click();
  sample.box.setEnabled(false);
  sample.box.click();
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(sample.box.value(), 0);
}

TEST_F(WindowModel, EveryChangeReachesTheObserverOnce) {
  recorder.log.clear();
  sample.text.setText("t");
  sample.text.setText("t");
  sample.box.setEnabled(false);
  sample.box.setBackColor(rgb(1, 2, 3));
  sample.text.setForeColor(rgb(4, 5, 6));
  sample.text.setLocked(true);
  sample.button.setVisible(false);
  sample.setCaption("New");
  sample.setHeight(4905);
  sample.show();
  sample.show();
  sample.a.setValue(1);
  sample.b.setValue(1);
  EXPECT_EQ(recorder.log,
            (std::vector<std::string>{"text text", "box enabled", "box back", "text fore",
                                      "text locked", "button visible", "window text",
                                      "window geometry", "window visible", "request 0",
                                      "request 0", "a value", "a value", "b value"}));
}

TEST_F(WindowModel, NothingIsReportedBeforeTheWindowIsAnnouncedOrAfterItIsGone) {
  Sample fresh{context};
  recorder.log.clear();
  fresh.text.setText("built");
  EXPECT_TRUE(recorder.log.empty());
  fresh.announce();
  fresh.markUnloaded();
  fresh.text.setText("late");
  EXPECT_TRUE(recorder.log.empty());
}

struct Ticking : Window {
  explicit Ticking(ModelContext& c) : Window(c, WindowId::Form3, "T") {}
  Timer fast{*this, "fast", 100, false};
  Timer watch{*this, "watch", 10, false, Timer::Cadence::MinuteStarts, Milliseconds(0)};
};

TEST_F(WindowModel, TimersTickEveryIntervalWhileEnabled) {
  Ticking w{context};
  int ticks = 0;
  w.fast.onTick = [&] {
    if (++ticks == 3) w.fast.setEnabled(false);  // stopping from inside its own tick
  };
  w.fast.setEnabled(true);
  clock.advance(Milliseconds(1000));
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(clock.pending(), 0u);
}

TEST_F(WindowModel, EnablingARunningTimerAgainKeepsItsRhythm) {
  Ticking w{context};
  std::vector<std::int64_t> at;
  w.fast.onTick = [&] { at.push_back(clock.steadyMilliseconds()); };
  const std::int64_t start = clock.steadyMilliseconds();
  w.fast.setEnabled(true);
  clock.advance(Milliseconds(250));
  w.fast.setEnabled(true);
  clock.advance(Milliseconds(250));
  ASSERT_FALSE(at.empty());
  EXPECT_EQ(at.back() - start, 500) << "the ticks stay on the interval's grid";
}

TEST_F(WindowModel, AMinuteWatchTicksAtOnceThenAtEachMinuteAndOnAClockChange) {
  Ticking w{context};
  std::vector<std::int64_t> at;
  w.watch.onTick = [&] { at.push_back(clock.wallMs()); };
  clock.setWallClock(FakeClock::at(9, 59, 30));
  w.watch.setEnabled(true);
  clock.advance(Milliseconds(0));
  clock.advance(Milliseconds(90'000));
  clock.setWallClock(FakeClock::at(14, 0, 10));
  EXPECT_EQ(at, (std::vector<std::int64_t>{FakeClock::at(9, 59, 30), FakeClock::at(10, 0),
                                           FakeClock::at(10, 1), FakeClock::at(14, 0, 10)}));
}

TEST_F(WindowModel, AnUnloadedWindowsTimersStop) {
  Ticking w{context};
  int ticks = 0;
  w.fast.onTick = [&] { ++ticks; };
  w.fast.setEnabled(true);
  w.markUnloaded();
  w.fast.setEnabled(true);
  clock.advance(Milliseconds(1000));
  EXPECT_EQ(ticks, 0);
}

TEST(EventGate, TheEndOfTheProcessIsNoFaultAndNothingRunsAfterIt) {
  EventGate gate;
  testing::endWithTheStandIn(gate);
  testing::FakeProcess process;
  int after = 0, later = 0;
  gate.afterEvent = [&] { ++after; };
  ::testing::internal::CaptureStderr();
  gate.run([&] { process.end(); });
  gate.run([&] { ++later; });
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_TRUE(gate.closed());
  EXPECT_EQ(after + later, 0);
}

}  // namespace
}  // namespace kvirlo
