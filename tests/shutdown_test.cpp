#include <gtest/gtest.h>

#include "alert/Form2.h"
#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"
#include "indicator/Form3.h"
#include "indicator/Form4.h"
#include "tray/frmSlug.h"

namespace kvirlo {
namespace {

using testing::World;

// Every way out ends the same: the settings saved, no tray icon, no autostart
// entry, "running" = "OFF", the last reminder's texts kept, nothing after.
struct Shutdown : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(world.start());
    world.app->form1().Check1.setValue(check::Unchecked);
    world.startReminder("Позвонить", "18", "05");
    world.files.files.clear();
  }
  void expectCleanEnd() {
    EXPECT_EQ(world.process.ends, 1);
    EXPECT_TRUE(world.hasSettingsFile());
    EXPECT_TRUE(world.tray.icons.empty());
    EXPECT_TRUE(world.autostart.entries.empty());
    EXPECT_EQ(world.store.values["running"], "OFF");
    EXPECT_EQ(world.store.values["Text_Kvir"], "Позвонить");
    EXPECT_EQ(world.store.values["Hour_Kvir"], "18");
    EXPECT_EQ(world.store.values["Minute_Kvir"], "05");
  }
  World world;
};

TEST_F(Shutdown, ClosingTheMainWindow) {
  EXPECT_TRUE(World::ends([&] { world.app->form1().requestClose(); }));
  expectCleanEnd();
}

TEST_F(Shutdown, TheMenusExitAsksNothing) {
  EXPECT_TRUE(World::ends([&] { world.app->form1().mnuExit.click(); }));
  EXPECT_TRUE(world.boxes.shown.empty());
  expectCleanEnd();
}

TEST_F(Shutdown, TheTrayMenusExitAfterYes) {
  world.boxes.answer(mb::AnswerNo);
  EXPECT_FALSE(World::ends([&] { world.app->slug().mnuExit.click(); }));
  EXPECT_EQ(world.tray.icons.size(), 1u) << "No leaves the program waiting";
  world.boxes.answer(mb::AnswerYes);
  EXPECT_TRUE(World::ends([&] { world.app->slug().mnuExit.click(); }));
  ASSERT_FALSE(world.boxes.shown.empty());
  EXPECT_EQ(world.boxes.shown.back().text, "Завершить работу квирло?");
  EXPECT_EQ(world.boxes.shown.back().flags, 4);
  EXPECT_EQ(world.boxes.shown.back().title, "Квирло");
  expectCleanEnd();
}

TEST_F(Shutdown, TheAlertsExit) {
  world.clock.advanceTo(testing::FakeClock::at(18, 5));
  ASSERT_TRUE(world.app->exists(WindowId::Form2));
  EXPECT_TRUE(World::ends([&] { world.app->form2().Command1.click(); }));
  EXPECT_FALSE(world.app->form1().visible()) << "the main window is not shown first";
  expectCleanEnd();
}

TEST_F(Shutdown, TheActionDialogsExitAfterYes) {
  world.app->settings.IndicatorAction = 3;
  world.boxes.answer(mb::AnswerYes);
  EXPECT_TRUE(World::ends([&] { world.app->form4().Command1.click(); }));
  expectCleanEnd();
  EXPECT_NE(world.settingsFile().rfind(" 3 \r\n"), std::string::npos);
}

TEST_F(Shutdown, AFailedSaveStillCleansUp) {
  world.files.readOnly.insert(world.settingsPath());
  EXPECT_TRUE(World::ends([&] { world.app->form1().requestClose(); }));
  EXPECT_TRUE(world.autostart.entries.empty());
  EXPECT_EQ(world.store.values["running"], "OFF");
}

TEST(UnsavedSettings, TheUserIsToldOnceAtAStartAndNeverAtTheExit) {
  World world;
  world.files.readOnly.insert(world.settingsPath());
  ASSERT_TRUE(world.start());
  world.boxes.answer(mb::AnswerOk);
  world.startReminder("x", "18", "05");
  EXPECT_TRUE(world.boxes.shown.empty()) << "said once the start is over";
  world.clock.advance(Milliseconds(0));
  ASSERT_EQ(world.boxes.shown.size(), 1u);
  EXPECT_NE(world.boxes.shown[0].text.find("Не удаётся сохранить настройки"), std::string::npos);
  EXPECT_EQ(world.boxes.shown[0].title, "Квирло 3.01");
  EXPECT_TRUE(world.app->form1().Timer1.enabled()) << "the reminder is armed all the same";
  world.app->form1().show();
  world.startReminder("y", "18", "06");
  world.clock.advance(Milliseconds(1));
  EXPECT_TRUE(World::ends([&] { world.app->form1().requestClose(); }));
  EXPECT_EQ(world.boxes.shown.size(), 1u);
}

TEST(UnsavedSettings, TheBoxComesAfterAResumedStartNotInsideIt) {
  World world;
  world.files.readOnly.insert(world.settingsPath());
  world.store.values = {{"running", "ON"}, {"Text_Kvir", "x"}, {"Hour_Kvir", "10"},
                        {"Minute_Kvir", "00"}};
  world.boxes.answer(mb::AnswerOk);
  world.boxes.whileOpen = [&] { world.clock.advance(Milliseconds(100)); };
  ASSERT_TRUE(world.start());
  EXPECT_EQ(world.app->existing(WindowId::Form2), nullptr) << "no alert inside the start";
  world.clock.advance(Milliseconds(0));
  EXPECT_TRUE(world.app->form2().visible());
  EXPECT_EQ(world.boxes.shown.size(), 1u);
  EXPECT_FALSE(world.app->form1().visible()) << "no main window beside the alert";
}

TEST_F(Shutdown, TheSettingsAreSavedBeforeTheStoreSaysOff) {
  world.files.replacements = 0;
  int savesBeforeOff = -1;
  world.store.onSet = [&](const std::string& key, const std::string& value) {
    if (key == "running" && value == "OFF") savesBeforeOff = world.files.replacements;
  };
  EXPECT_TRUE(World::ends([&] { world.app->form1().mnuExit.click(); }));
  EXPECT_EQ(savesBeforeOff, 1);
}

TEST(ShutdownWithoutReminder, StillMarksTheStoreAndRemovesTheEntries) {
  World world;
  ASSERT_TRUE(world.start());
  EXPECT_TRUE(World::ends([&] { world.app->form1().requestClose(); }));
  EXPECT_EQ(world.store.values["running"], "OFF");
  EXPECT_EQ(world.autostart.removals, 1);
  EXPECT_TRUE(world.boxes.shown.empty());
}

}  // namespace
}  // namespace kvirlo
