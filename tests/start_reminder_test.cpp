#include <gtest/gtest.h>

#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"
#include "indicator/Form3.h"

namespace kvirlo {
namespace {

using testing::Box;
using testing::World;

struct StartReminder : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(world.start()); }
  Form1& main() { return world.app->form1(); }
  // Presses "Пуск" with the fields as given and returns the one box shown.
  Box refusal(const std::string& text, const std::string& hour, const std::string& minute) {
    world.boxes.answer(mb::AnswerOk);
    world.startReminder(text, hour, minute);
    EXPECT_EQ(world.boxes.shown.size(), 1u);
    EXPECT_FALSE(main().Timer1.enabled());
    EXPECT_TRUE(world.store.writes.empty());
    EXPECT_TRUE(world.autostart.entries.empty());
    return world.boxes.shown.empty() ? Box{} : world.boxes.shown.back();
  }
  World world;
};

TEST_F(StartReminder, OnlyTheFirstFailingCheckIsShown) {
  const Box b = refusal("", "", "");
  EXPECT_EQ(b.text, "Пожалуйста, введите текст напоминания");
  EXPECT_EQ(b.flags, 64);
  EXPECT_EQ(b.title, "Напаоминатель");
}

TEST_F(StartReminder, AnEmptyHourOrMinuteAsksForTheTime) {
  const Box b = refusal("x", "10", "");
  EXPECT_EQ(b.text, "Пожалуйста, введите время напоминания");
  EXPECT_EQ(b.flags, 64);
  EXPECT_EQ(b.title, "Напаоминатель");
}

TEST_F(StartReminder, HoursAboveTwentyThreeAreRefused) {
  const Box b = refusal("x", "24", "60");
  EXPECT_EQ(b.text, "Максимальное значение часов может быть-23") << "hours are checked first";
  EXPECT_EQ(b.flags, 48);
  EXPECT_EQ(b.title, "Напаоминатель");
}

TEST_F(StartReminder, MinutesAboveFiftyNineAreRefused) {
  const Box b = refusal("x", "23", "60");
  EXPECT_EQ(b.text, "Максимальное значение минут может быть-59");
  EXPECT_EQ(b.flags, 48);
}

TEST_F(StartReminder, ATimeThatIsNoNumberIsRefusedAsOutOfRange) {
  EXPECT_EQ(refusal("x", "ab", "00").text, "Максимальное значение часов может быть-23");
  world.boxes.shown.clear();
  EXPECT_EQ(refusal("x", "10", "5x").text, "Максимальное значение минут может быть-59");
}

TEST_F(StartReminder, TheTunerNeedsItsPath) {
  main().Check3.setValue(check::Checked);
  const Box b = refusal("x", "10", "00");
  EXPECT_EQ(b.text,
            "Укажите путь к программе TV тюнера Behold TV\r\nВнимание! Путь должен быть указан "
            "правильно, иначе корректная работа программы не гарантируется.");
  EXPECT_EQ(b.flags, 48);
  EXPECT_EQ(b.title, "Квирло 3.01");
}

TEST_F(StartReminder, AnEmptyChannelBlocksTheStartEvenWithoutTheTuner) {
  // The field refills itself with "1" when emptied; a channel left empty can
  // only come from a change the handler does not see.
  main().Text4.onChange = nullptr;
  main().Text4.setText("");
  const Box b = refusal("x", "10", "00");
  EXPECT_EQ(b.text, "Укажите номер канала");
  EXPECT_EQ(b.title, "Квирло 3.01");
}

TEST_F(StartReminder, OfTwoFailingChecksTheEarlierSpeaks) {
  const struct {
    const char *hour, *minute;
    bool tuner;
    const char* channel;
    const char* shown;
  } cases[] = {
      {"24", "", false, "1", "Пожалуйста, введите время напоминания"},
      {"10", "60", true, "1", "Максимальное значение минут может быть-59"},
      {"10", "00", true, "", "Укажите путь к программе TV тюнера Behold TV"},
  };
  main().Text4.onChange = nullptr;  // or an emptied channel refills itself
  for (const auto& c : cases) {
    world.boxes.shown.clear();
    main().Check3.setValue(c.tuner ? check::Checked : check::Unchecked);
    main().Text4.setText(c.channel);
    const std::string text = refusal("x", c.hour, c.minute).text;
    EXPECT_EQ(text.substr(0, text.find("\r\n")), c.shown);
  }
}

TEST_F(StartReminder, TheAutostartEntryComesFirstThenTheStoreThenTheSettingsFile) {
  std::vector<std::string> order;
  world.store.onSet = [&](const std::string& key, const std::string&) {
    order.push_back(key);
    if (world.autostart.entries.empty()) order.push_back("before the autostart entry");
    if (world.hasSettingsFile()) order.push_back("after the settings file");
  };
  world.startReminder("x", "18", "05");
  EXPECT_EQ(order, (std::vector<std::string>{"running", "Text_Kvir", "Hour_Kvir", "Minute_Kvir"}));
  EXPECT_TRUE(world.hasSettingsFile());
}

TEST_F(StartReminder, TheBoundariesAndBlanksPass) {
  world.startReminder(" ", "23", "59");
  EXPECT_TRUE(main().Timer1.enabled()) << "a text of blanks is not empty";
  EXPECT_EQ(world.app->AlarmHour, 23);
  EXPECT_EQ(world.app->AlarmMinute, 59);
  world.startReminder("x", "-1", "07");
  EXPECT_EQ(world.app->AlarmHour, -1) << "there is no lower bound";
  EXPECT_EQ(world.app->AlarmMinute, 7);
  EXPECT_TRUE(world.boxes.shown.empty());
}

TEST_F(StartReminder, AStartArmsTheWatchAndRecordsTheReminder) {
  world.startReminder("Позвонить", "18", "05");
  EXPECT_FALSE(main().visible());
  EXPECT_TRUE(main().Timer1.enabled());
  EXPECT_TRUE(world.app->form3().visible());
  EXPECT_TRUE(world.tray.icons.empty());
  EXPECT_EQ(world.autostart.entries["Квирло 3.01"], "C:\\Program Files\\Kvirlo\\kvirlo.exe");
  EXPECT_EQ(world.store.writes,
            (std::vector<std::string>{"running=ON", "Text_Kvir=Позвонить", "Hour_Kvir=18",
                                      "Minute_Kvir=05"}));
  EXPECT_EQ(world.app->settings.MainReminderOff, "OFF");
  EXPECT_TRUE(world.hasSettingsFile());
}

TEST_F(StartReminder, WithoutTheIndicatorTheTrayIconStandsIn) {
  main().Check1.setValue(check::Unchecked);
  EXPECT_FALSE(main().Check2.enabled());
  world.startReminder("x", "18", "05");
  EXPECT_FALSE(world.app->form3().visible());
  EXPECT_EQ(world.tray.icons, std::set<int>{1});
  EXPECT_EQ(world.tray.tip, "Квирло");
}

TEST_F(StartReminder, WithoutANotificationAreaTheIndicatorShowsInstead) {
  world.tray.hasArea = false;
  main().Check1.setValue(check::Unchecked);
  world.startReminder("x", "18", "05");
  EXPECT_TRUE(world.app->form3().visible());
  EXPECT_EQ(world.tray.adds, 0);
}

TEST_F(StartReminder, AProgramFolderAtADriveRootGetsOneSeparator) {
  world.paths.programDir = "D:\\";
  world.startReminder("x", "18", "05");
  EXPECT_EQ(world.autostart.entries["Квирло 3.01"], "D:\\kvirlo.exe");
}

TEST_F(StartReminder, TheTunerOnlyOptionIsTakenAtEachStart) {
  main().Check3.setValue(check::Checked);
  main().Text5.setText("D:\\tv.exe");
  main().Check6.setValue(check::Checked);
  world.startReminder("@Behold TV@", "18", "05");
  EXPECT_EQ(world.app->settings.MainReminderOff, "ON");
}

TEST_F(StartReminder, StartingAgainReplacesTheTime) {
  world.startReminder("x", "18", "05");
  main().show();
  world.startReminder("y", "19", "30");
  EXPECT_EQ(world.app->AlarmHour, 19);
  EXPECT_EQ(world.app->AlarmMinute, 30);
  EXPECT_EQ(world.store.values["Text_Kvir"], "y");
}

}  // namespace
}  // namespace kvirlo
