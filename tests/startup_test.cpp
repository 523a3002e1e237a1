#include <gtest/gtest.h>

#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"
#include "indicator/Form3.h"

namespace kvirlo {
namespace {

using testing::World;

struct StartUp : ::testing::Test {
  void storeReminder(const std::string& running, const std::string& text, const std::string& hour,
                     const std::string& minute) {
    world.store.values = {{"running", running}, {"Text_Kvir", text}, {"Minute_Kvir", minute}};
    if (!hour.empty()) world.store.values["Hour_Kvir"] = hour;
  }
  World world;
};

TEST_F(StartUp, AFirstStartShowsTheEmptyMainWindow) {
  ASSERT_TRUE(world.start());
  Form1& f = world.app->form1();
  EXPECT_EQ(world.app->RunningState, "");
  EXPECT_TRUE(f.visible());
  EXPECT_EQ(f.Text1.text(), "");
  EXPECT_EQ(f.Text2.text(), "");
  EXPECT_EQ(f.Text3.text(), "");
  EXPECT_FALSE(f.Timer1.enabled());
  EXPECT_EQ(f.Check1.value(), 1);
  EXPECT_EQ(f.Check2.value(), 1);
  EXPECT_TRUE(f.Check2.enabled());
  EXPECT_FALSE(world.app->form3().visible());
  EXPECT_TRUE(world.boxes.shown.empty());
}

TEST_F(StartUp, WinDirIsTheSystemFolderWithOneSeparator) {
  ASSERT_TRUE(world.start());
  EXPECT_EQ(world.app->WinDir, "C:\\WINDOWS\\");
  world.paths.windowsDir = "";
  ASSERT_TRUE(world.start());
  EXPECT_EQ(world.app->WinDir, "\\") << "a failing call leaves the separator alone";
}

TEST_F(StartUp, APendingReminderResumesAndWaitsQuietly) {
  storeReminder("ON", "Позвонить маме", "18", "05");
  ASSERT_TRUE(world.start());
  Form1& f = world.app->form1();
  EXPECT_EQ(f.Text1.text(), "Позвонить маме");
  EXPECT_EQ(f.Text2.text(), "18");
  EXPECT_EQ(f.Text3.text(), "05");
  EXPECT_EQ(world.app->AlarmHour, 18);
  EXPECT_EQ(world.app->AlarmMinute, 5);
  EXPECT_TRUE(f.Timer1.enabled());
  EXPECT_FALSE(f.visible()) << "the main window stays hidden after a resume";
  EXPECT_TRUE(world.app->form3().visible()) << "the indicator shows the reminder waits";
  EXPECT_EQ(world.autostart.entries.count("Квирло 3.01"), 1u);
  ASSERT_FALSE(world.store.writes.empty());
  EXPECT_EQ(world.store.writes.front(), "running=ON") << "the store is written again";
}

TEST_F(StartUp, OnlyAnExactOnResumes) {
  for (const char* running : {"on", "OFF", ""}) {
    storeReminder(running, "x", "18", "05");
    ASSERT_TRUE(world.start());
    EXPECT_FALSE(world.app->form1().Timer1.enabled()) << running;
    EXPECT_EQ(world.app->form1().Text1.text(), "") << running;
    EXPECT_TRUE(world.app->form1().visible()) << running;
  }
}

TEST_F(StartUp, AResumeWithoutAnHourTellsTheUserAndArmsNothing) {
  storeReminder("ON", "x", "", "05");
  world.boxes.answer(mb::AnswerOk);
  ASSERT_TRUE(world.start());
  ASSERT_EQ(world.boxes.shown.size(), 1u);
  EXPECT_EQ(world.boxes.shown[0].text, "Пожалуйста, введите время напоминания");
  EXPECT_FALSE(world.app->form1().Timer1.enabled());
  EXPECT_TRUE(world.app->form1().visible()) << "the user can mend the reminder";
  EXPECT_EQ(world.store.values["running"], "ON") << "nothing is written until the next start";
}

TEST_F(StartUp, ActivatingTheMainWindowHidesTheIndicator) {
  ASSERT_TRUE(world.start());
  world.app->form3().show();
  world.app->form1().activate();
  EXPECT_FALSE(world.app->form3().visible());
}

}  // namespace
}  // namespace kvirlo
