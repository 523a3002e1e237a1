#include <gtest/gtest.h>

#include "alert/Form2.h"
#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"

namespace kvirlo {
namespace {

using testing::FakeClock;
using testing::World;

struct TimeWatch : ::testing::Test {
  // Starts a reminder at `now` for `hour`:`minute` and lets the first tick come.
  void startAt(std::int64_t now, const std::string& hour, const std::string& minute) {
    world.clock.setWallClock(now);
    ASSERT_TRUE(world.start());
    world.startReminder("Позвонить", hour, minute);
    world.clock.advance(Milliseconds(0));
  }
  bool fired() const { return world.app->exists(WindowId::Form2); }
  void runTo(std::int64_t wall) { world.clock.advanceTo(wall); }
  World world;
};

TEST_F(TimeWatch, FiresWithinTheFirstMillisecondOfTheMinute) {
  startAt(FakeClock::at(10, 0), "12", "30");
  runTo(FakeClock::at(12, 29, 59, 999));
  EXPECT_FALSE(fired());
  world.clock.advance(Milliseconds(1));
  EXPECT_TRUE(fired());
  EXPECT_FALSE(world.app->form1().Timer1.enabled());
}

TEST_F(TimeWatch, BothHourAndMinuteMustBeReached) {
  startAt(FakeClock::at(10, 45), "11", "10");
  runTo(FakeClock::at(11, 9, 59));
  EXPECT_FALSE(fired()) << "11:00 to 11:09: the minute is below 10";
  runTo(FakeClock::at(11, 10));
  EXPECT_TRUE(fired());
}

TEST_F(TimeWatch, ATimeAlreadyPassedThisHourFiresAtOnce) {
  startAt(FakeClock::at(10, 45), "10", "30");
  EXPECT_TRUE(fired());
}

TEST_F(TimeWatch, AnEarlierHourWithALaterMinuteWaitsForTheMinute) {
  startAt(FakeClock::at(14, 10), "09", "30");
  EXPECT_FALSE(fired());
  runTo(FakeClock::at(14, 29, 59));
  EXPECT_FALSE(fired());
  runTo(FakeClock::at(14, 30));
  EXPECT_TRUE(fired());
}

TEST_F(TimeWatch, AReminderForJustAfterMidnightFiresAtOnceLateInTheEvening) {
  startAt(FakeClock::at(23, 50), "00", "10");
  EXPECT_TRUE(fired());
}

TEST_F(TimeWatch, HourMinusOneLeavesOnlyTheMinute) {
  startAt(FakeClock::at(10, 0), "-1", "30");
  runTo(FakeClock::at(10, 29));
  EXPECT_FALSE(fired());
  runTo(FakeClock::at(10, 30));
  EXPECT_TRUE(fired());
}

TEST_F(TimeWatch, FiresOnceOnly) {
  startAt(FakeClock::at(10, 0), "10", "01");
  runTo(FakeClock::at(10, 1));
  ASSERT_TRUE(fired());
  Window* alert = world.app->existing(WindowId::Form2);
  const int players = world.media.created;
  world.clock.advance(Milliseconds(3 * 60 * 60 * 1000));
  EXPECT_EQ(world.app->existing(WindowId::Form2), alert);
  EXPECT_EQ(world.media.created, players);
  EXPECT_EQ(world.store.values["running"], "ON") << "while the alert is open";
}

TEST_F(TimeWatch, AResumedReminderWhoseTimeHasPassedFiresAtOnce) {
  world.store.values = {
      {"running", "ON"}, {"Text_Kvir", "x"}, {"Hour_Kvir", "08"}, {"Minute_Kvir", "15"}};
  world.clock.setWallClock(FakeClock::at(9, 20));
  ASSERT_TRUE(world.start());
  world.clock.advance(Milliseconds(0));
  EXPECT_TRUE(fired());
}

TEST_F(TimeWatch, AClockSetForwardPastTheTimeFiresAtOnce) {
  startAt(FakeClock::at(10, 0), "12", "30");
  world.clock.advance(Milliseconds(20'000));
  world.clock.setWallClock(FakeClock::at(12, 45, 7));
  EXPECT_TRUE(fired());
}

TEST_F(TimeWatch, AClockSetBackWaitsForTheTimeAgain) {
  startAt(FakeClock::at(10, 0), "10", "30");
  runTo(FakeClock::at(10, 20));
  world.clock.setWallClock(FakeClock::at(9, 0, 30));
  runTo(FakeClock::at(10, 29, 59));
  EXPECT_FALSE(fired());
  runTo(FakeClock::at(10, 30));
  EXPECT_TRUE(fired());
}

TEST_F(TimeWatch, WaitingAnHourWakesTheProgramOnceAMinute) {
  world.clock.setWallClock(FakeClock::at(10, 0));
  ASSERT_TRUE(world.start());
  world.app->form1().Check1.setValue(check::Unchecked);  // the tray icon alone
  world.startReminder("x", "11", "30");
  const int before = world.clock.wakeUps();
  runTo(FakeClock::at(11, 0));
  EXPECT_LE(world.clock.wakeUps() - before, 63) << "a tick at the start, one a minute";
  EXPECT_FALSE(fired());
}

TEST_F(TimeWatch, WithTheIndicatorTheCountSharesTheMinutesWakeUp) {
  startAt(FakeClock::at(10, 0), "11", "30");
  const int before = world.clock.wakeUps();
  runTo(FakeClock::at(11, 0));
  EXPECT_LE(world.clock.wakeUps() - before, 63);
}

}  // namespace
}  // namespace kvirlo
