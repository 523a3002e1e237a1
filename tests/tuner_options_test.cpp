#include <gtest/gtest.h>

#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"
#include "platform/services/paths.h"

namespace kvirlo {
namespace {

using testing::World;

struct TunerOptions : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(world.start()); }
  Form1& f() { return world.app->form1(); }
  SettingsRecord& s() { return world.app->settings; }
  World world;
};

TEST_F(TunerOptions, TheTunerBoxSwitchesTheGroupAndEmptiesTheText) {
  EXPECT_FALSE(f().Text4.enabled());
  f().Text1.setText("своё");
  const std::initializer_list<Control*> group = {&f().Option1, &f().Option2, &f().Check5,
                                                  &f().Check6,  &f().Text4,   &f().Text5,
                                                  &f().Label7,  &f().Label9,  &f().Command4};
  f().Check3.click();
  EXPECT_EQ(s().TunerOn, "YES");
  for (Control* c : group) EXPECT_TRUE(c->enabled()) << c->name();
  EXPECT_EQ(f().Text1.text(), "своё");
  f().Check3.click();
  EXPECT_EQ(s().TunerOn, "NO");
  EXPECT_EQ(f().Text1.text(), "") << "unticking empties even a typed text";
  EXPECT_TRUE(f().Text1.enabled());
  for (Control* c : group) EXPECT_FALSE(c->enabled()) << c->name();
  EXPECT_TRUE(f().Frame2.enabled()) << "the channel frame is not switched";
  EXPECT_TRUE(f().UpDown1.enabled()) << "nor is the spinner";
}

TEST_F(TunerOptions, TheTunerOnlyBoxPutsThePlaceholderInAndTakesItOut) {
  f().Check3.click();
  f().Check6.click();
  EXPECT_EQ(s().MainReminderOff, "ON");
  EXPECT_EQ(f().Text1.text(), "@Behold TV@");
  EXPECT_FALSE(f().Text1.enabled());
  f().Check6.click();
  EXPECT_EQ(s().MainReminderOff, "OFF");
  EXPECT_EQ(f().Text1.text(), "");
  EXPECT_TRUE(f().Text1.enabled());
  f().Check3.click();
  f().Check6.setValue(check::Checked);  // as a stored "ON" does before the tuner is on
  EXPECT_EQ(f().Text1.text(), "@Behold TV@");
  EXPECT_TRUE(f().Text1.enabled()) << "with the tuner off the text stays open";
}

TEST_F(TunerOptions, TickingTheTunerWithTheMainAlertOffBringsThePlaceholder) {
  s().MainReminderOff = "ON";
  f().Check3.click();
  EXPECT_EQ(f().Text1.text(), "@Behold TV@");
  EXPECT_FALSE(f().Text1.enabled());
}

TEST_F(TunerOptions, FullScreenAndModeFollowTheirControls) {
  f().Check3.click();
  f().Check5.click();
  EXPECT_EQ(s().TunerFullScreen, "-fs");
  f().Check5.click();
  EXPECT_EQ(s().TunerFullScreen, "");
  f().Option2.click();
  EXPECT_EQ(s().TunerMode, "-m:fm");
  EXPECT_EQ(f().Option1.value(), 0);
  f().Option1.click();
  EXPECT_EQ(s().TunerMode, "-m:tv");
}

TEST_F(TunerOptions, TheChannelRule) {
  struct Case {
    const char* typed;
    const char* shown;
    int channel;
  };
  for (Case c : {Case{"", "1", 1}, Case{"0", "1", 1}, Case{"a5", "1", 1}, Case{"-3", "1", 1},
                 Case{"12a", "12a", 12}, Case{".4", ".4", 0}, Case{"2.5", "2.5", 2},
                 Case{"3.5", "3.5", 4}, Case{"999", "999", 999}, Case{"1e9", "1e9", 1},
                 Case{"2e2", "2e2", 2}}) {
    f().Text4.setText("7");
    f().Text4.setText(c.typed);
    EXPECT_EQ(f().Text4.text(), c.shown) << '"' << c.typed << '"';
    EXPECT_EQ(s().TunerChannel, c.channel) << '"' << c.typed << '"';
  }
}

TEST_F(TunerOptions, TheSpinnerStepsFromTheChannelShownWithinOneTo999) {
  f().Check3.click();
  f().Text4.setText("41");
  f().UpDown1.userSpins(+1);
  EXPECT_EQ(f().Text4.text(), "42");
  EXPECT_EQ(s().TunerChannel, 42);
  f().Text4.setText("1");
  f().UpDown1.userSpins(-1);
  EXPECT_EQ(f().Text4.text(), "1");
  f().Text4.setText("999");
  f().UpDown1.userSpins(+1);
  EXPECT_EQ(f().Text4.text(), "999");
}

TEST_F(TunerOptions, TheSpaceBarLocksTheChannelFieldForThatKeyOnly) {
  f().Text4.keyDown(keys::Space);
  EXPECT_TRUE(f().Text4.locked());
  f().Text4.keyDown('5');
  EXPECT_FALSE(f().Text4.locked());
  EXPECT_EQ(f().Text4.maxLength, 3);
}

TEST_F(TunerOptions, ChoosingTheTunerProgramFillsThePathThenSaysSo) {
  f().Check3.click();
  world.dialogs.files.push_back("D:\\TV\\tv.exe");
  world.boxes.answer(mb::AnswerOk);
  f().Command4.click();
  EXPECT_EQ(s().TunerPath, "D:\\TV\\tv.exe");
  EXPECT_EQ(f().Text5.text(), "D:\\TV\\tv.exe");
  ASSERT_EQ(world.boxes.shown.size(), 1u);
  EXPECT_EQ(world.boxes.shown[0].text,
            "Надеюсь вы правда указали путь к программе TV тюнера Behold TV");
  EXPECT_EQ(world.boxes.shown[0].flags, 0);
  EXPECT_EQ(world.boxes.shown[0].title, "Квирло 3.01");
  ASSERT_FALSE(world.dialogs.fileRequests.empty());
  EXPECT_EQ(world.dialogs.fileRequests[0].fileName, "*.exe");
  EXPECT_EQ(world.dialogs.fileRequests[0].description, "Файлы программ");
  EXPECT_EQ(world.dialogs.fileRequests[0].folder, "") << "no tuner yet: the platform's choice";
  world.boxes.answer(mb::AnswerOk);
  world.dialogs.files.push_back("D:\\tv.exe");
  f().Command4.click();
  ASSERT_EQ(world.dialogs.fileRequests.size(), 2u);
  EXPECT_EQ(world.dialogs.fileRequests[1].folder, "D:\\TV") << "opens at the tuner";
}

TEST(FolderOf, KeepsARootsSeparatorAndTakesBothSlashesOnWindows) {
  EXPECT_EQ(folderOf("D:\\tv.exe", '\\'), "D:\\");
  EXPECT_EQ(folderOf("C:/Program Files/tv.exe", '\\'), "C:/Program Files");
  EXPECT_EQ(folderOf("tv.exe", '\\'), "");
  EXPECT_EQ(folderOf("/tv", '/'), "/");
  EXPECT_EQ(folderOf("/opt/a\\b/tv", '/'), "/opt/a\\b");
}

TEST_F(TunerOptions, ACancelledChoiceChangesNothing) {
  f().Check3.click();
  s().TunerPath = "D:\\old.exe";
  f().Text5.setText("D:\\old.exe");
  world.dialogs.files.push_back(std::nullopt);
  f().Command4.click();
  EXPECT_EQ(s().TunerPath, "D:\\old.exe");
  EXPECT_TRUE(world.boxes.shown.empty());
}

}  // namespace
}  // namespace kvirlo
