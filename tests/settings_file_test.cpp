#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"
#include "indicator/Form3.h"
#include "settings/settings_file.h"
#include "settings/settings_module.h"

namespace kvirlo {
namespace {

using testing::World;

const std::string kExampleFile =
    " 14737632 \r\n"
    " 16777215 \r\n"
    "C:\\WINDOWS\\media\\tada.wav\r\n"
    "-1 \r\n"
    " 1200 \r\n"
    " 2400 \r\n"
    "SoundCard\r\n"
    " 670 \r\n"
    " 670 \r\n"
    "NO\r\n"
    "\r\n"
    "OFF\r\n"
    "-m:tv\r\n"
    "\r\n"
    " 1 \r\n"
    " 9000 \r\n"
    " 0 \r\n"
    " 0 \r\n";

struct SettingsFile : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(world.start()); }
  App& app() { return *world.app; }
  Form1& main() { return app().form1(); }
  World world;
};

TEST_F(SettingsFile, AFirstReminderWithDefaultsWritesTheExampleFileByteForByte) {
  main().setTop(1200);
  main().setLeft(2400);
  app().form3().setLeft(9000);
  app().form3().setTop(0);
  world.startReminder("Позвонить", "18", "05");
  EXPECT_EQ(world.settingsFile(), kExampleFile);
}

TEST_F(SettingsFile, WithoutAFileEverythingIsAtItsDefault) {
  Form1& f = main();
  EXPECT_EQ(f.backColor(), rgb(0xE0, 0xE0, 0xE0));
  EXPECT_EQ(f.Text1.backColor(), rgb(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(f.top(), 0);
  EXPECT_EQ(f.left(), 0);
  EXPECT_EQ(f.height(), Form1::CompactHeight);
  EXPECT_EQ(f.Command3.text(), "Дополнительно");
  EXPECT_EQ(f.Check3.value(), 0);
  EXPECT_EQ(f.Option1.value(), 1);
  EXPECT_EQ(f.Text4.text(), "1");
  EXPECT_EQ(app().form3().left(), 0);
  EXPECT_EQ(app().form3().top(), 0);
  EXPECT_EQ(app().settings.SoundFile, "C:\\WINDOWS\\media\\tada.wav");
  EXPECT_EQ(app().settings.SoundOutput, "SoundCard");
  EXPECT_EQ(app().settings.SoundVolume, -1);
}

TEST_F(SettingsFile, SavingAndLoadingGivesBackEveryValue) {
  SettingsRecord& s = app().settings;
  s.FormColor = 255;
  s.FieldColor = 65280;
  s.SoundFile = "D:\\Звуки\\будильник 1.mp3";
  s.SoundVolume = -2500;
  s.SoundOutput = "SystemDinamyc";
  s.BeepFrequency = 900;
  s.BeepDuration = 1500;
  s.TunerOn = "YES";
  s.TunerPath = "D:\\TV\\tv.exe";
  s.MainReminderOff = "ON";
  s.TunerMode = "-m:fm";
  s.TunerFullScreen = "-fs";
  s.TunerChannel = 42;
  s.IndicatorAction = 2;
  main().setTop(-300);
  main().setLeft(15000);
  app().form3().setLeft(4500);
  app().form3().setTop(7200);
  ASSERT_TRUE(SaveSettings(app()));
  const SettingsRecord saved = s;

  ASSERT_TRUE(world.start());
  const SettingsRecord& r = world.app->settings;
  EXPECT_EQ(r.FormColor, saved.FormColor);
  EXPECT_EQ(r.FieldColor, saved.FieldColor);
  EXPECT_EQ(r.SoundFile, saved.SoundFile);
  EXPECT_EQ(r.SoundVolume, saved.SoundVolume);
  EXPECT_EQ(r.SoundOutput, saved.SoundOutput);
  EXPECT_EQ(r.BeepFrequency, saved.BeepFrequency);
  EXPECT_EQ(r.BeepDuration, saved.BeepDuration);
  EXPECT_EQ(r.TunerOn, saved.TunerOn);
  EXPECT_EQ(r.TunerPath, saved.TunerPath);
  EXPECT_EQ(r.MainReminderOff, saved.MainReminderOff);
  EXPECT_EQ(r.TunerMode, saved.TunerMode);
  EXPECT_EQ(r.TunerFullScreen, saved.TunerFullScreen);
  EXPECT_EQ(r.TunerChannel, saved.TunerChannel);
  EXPECT_EQ(r.IndicatorAction, saved.IndicatorAction);
  Form1& f = world.app->form1();
  EXPECT_EQ(f.top(), -300);
  EXPECT_EQ(f.left(), 15000);
  EXPECT_EQ(world.app->form3().left(), 4500);
  EXPECT_EQ(world.app->form3().top(), 7200);
  EXPECT_EQ(f.Option2.value(), 1);
  EXPECT_EQ(f.Check5.value(), 1);
  EXPECT_EQ(f.Check6.value(), 1);
  EXPECT_EQ(f.Text5.text(), "D:\\TV\\tv.exe");
  EXPECT_EQ(f.Text1.text(), "@Behold TV@");
  EXPECT_FALSE(f.Text1.enabled());
  EXPECT_EQ(f.Command3.text(), "Кратко");
  EXPECT_EQ(f.height(), Form1::ExtendedHeight);
  EXPECT_EQ(f.backColor(), 255u);
  EXPECT_EQ(f.Text3.backColor(), 65280u);
}

TEST_F(SettingsFile, AValueWithALineBreakNeverSplitsTheFile) {
  app().settings.TunerPath = "/home/u/odd\nname/tv";
  app().settings.SoundFile = "a\r\nb";
  ASSERT_TRUE(SaveSettings(app()));
  const std::string& file = world.settingsFile();
  std::size_t lines = 0;
  for (std::size_t i = 0; (i = file.find("\r\n", i)) != std::string::npos; i += 2) ++lines;
  EXPECT_EQ(lines, 18u);
  EXPECT_EQ(file.find('\n'), file.find("\r\n") + 1) << "no bare line feed";
  ASSERT_TRUE(world.start());
  EXPECT_EQ(world.app->settings.TunerPath, "/home/u/odd name/tv");
  EXPECT_EQ(world.app->settings.TunerMode, "-m:tv") << "the later lines keep their places";
}

TEST_F(SettingsFile, AFailedSaveLeavesTheOldFileWhole) {
  world.startReminder("x", "11", "00");
  const std::string before = world.settingsFile();
  world.files.readOnly.insert(world.settingsPath());
  app().settings.FormColor = 1;
  EXPECT_FALSE(SaveSettings(app()));
  EXPECT_EQ(world.settingsFile(), before);
}

// The Windows directory takes no writes from an ordinary user: the settings
// then live in the user's own folder, and stay there.
struct UnwritableWindowsDirectory : ::testing::Test {
  UnwritableWindowsDirectory() {
    world.paths.fallbackDir = "C:\\Users\\u\\AppData\\Roaming\\Kvirlo";
    world.files.readOnly.insert(world.settingsPath());
  }
  std::string copyPath() const { return world.paths.fallbackDir + "\\Kvir_Config.ini"; }
  World world;
};

TEST_F(UnwritableWindowsDirectory, TheSaveGoesToTheUsersFolderAndTheNextStartReadsIt) {
  world.writeSettings({"255", "0", "old.wav"});  // an earlier version's file, read-only now
  ASSERT_TRUE(world.start());
  EXPECT_EQ(world.app->settings.SoundFile, "old.wav") << "the old file is still read";
  world.app->settings.SoundFile = "new.wav";
  EXPECT_TRUE(SaveSettings(*world.app));
  ASSERT_TRUE(world.files.files.count(copyPath()));
  EXPECT_EQ(world.settingsFile().substr(0, 5), "255\r\n") << "the old file is untouched";

  ASSERT_TRUE(world.start());
  EXPECT_EQ(world.app->settings.SoundFile, "new.wav");
}

TEST_F(UnwritableWindowsDirectory, OnceTheCopyExistsItKeepsTheSettingsEvenIfTheFolderOpens) {
  ASSERT_TRUE(world.start());
  ASSERT_TRUE(SaveSettings(*world.app));
  world.files.readOnly.clear();
  world.app->settings.SoundFile = "later.wav";
  ASSERT_TRUE(SaveSettings(*world.app));
  EXPECT_EQ(world.files.files[world.settingsPath()].find("later.wav"), std::string::npos);
  ASSERT_TRUE(world.start());
  EXPECT_EQ(world.app->settings.SoundFile, "later.wav");
}

TEST_F(UnwritableWindowsDirectory, NoFolderAnywhereIsAFailedSave) {
  world.files.readOnly.insert(copyPath());
  ASSERT_TRUE(world.start());
  EXPECT_FALSE(SaveSettings(*world.app));
}

struct LoadCase : ::testing::Test {
  // Loads `lines` as the settings file and starts the program on it.
  App& load(const std::vector<std::string>& lines) {
    world.writeSettings(lines);
    EXPECT_TRUE(world.start());
    return *world.app;
  }
  World world;
};

TEST_F(LoadCase, AShortFileSetsWhatItHoldsAndLeavesTheRestAtTheirDefaults) {
  App& app = load({" 255 ", " 0 ", "D:\\a.wav", "-100 ", " 15 ", " 30 ", "SystemDinamyc", " 1000 ",
                   " 200 "});
  EXPECT_EQ(app.settings.FormColor, 255);
  EXPECT_EQ(app.settings.FieldColor, 0);
  EXPECT_EQ(app.settings.SoundFile, "D:\\a.wav");
  EXPECT_EQ(app.settings.BeepDuration, 200);
  EXPECT_EQ(app.form1().top(), 15);
  EXPECT_EQ(app.settings.TunerOn, "NO");
  EXPECT_EQ(app.settings.TunerMode, "-m:tv");
  EXPECT_EQ(app.settings.TunerChannel, 1);
}

TEST_F(LoadCase, LettersWhereANumberBelongsReadAsZeroAndTheRestReadsOn) {
  App& app = load({"серый", " 16777215 ", "x.wav", "-1 ", "0", "0", "SoundCard", "громко", "670",
                   "NO", "", "OFF", "-m:fm", "", " 7 ", "0", "0", "0"});
  EXPECT_EQ(app.settings.FormColor, 14737632) << "a colour that is no number keeps the design's";
  EXPECT_EQ(app.form1().backColor(), rgb(0xE0, 0xE0, 0xE0));
  EXPECT_EQ(app.settings.BeepFrequency, 0);
  EXPECT_EQ(app.settings.TunerMode, "-m:fm");
  EXPECT_EQ(app.settings.TunerChannel, 7);
}

// A damaged colour line must not leave the window black with black text for
// good; a number the user chose, black included, is taken as it stands.
TEST_F(LoadCase, AColourLineThatIsNoNumberKeepsTheDesignColourAndTheFileThenSavesIt) {
  const struct {
    std::string line;
    std::optional<double> read;  // none: the design colours
  } cases[] = {
      {"\x93\xff\x01\x7f", {}}, {"белый", {}}, {"", {}}, {"12 серых", {}}, {" 255 ", 255},
      {"-5 ", -5}, {" 0 ", 0}, {"0", 0},
  };
  for (const auto& c : cases) {
    App& app = load({c.line, c.line});
    EXPECT_EQ(app.settings.FormColor, c.read.value_or(14737632)) << c.line;
    EXPECT_EQ(app.settings.FieldColor, c.read.value_or(16777215)) << c.line;
    SaveSettings(app);
    if (!c.read) {
      EXPECT_EQ(world.settingsFile().substr(0, 24), " 14737632 \r\n 16777215 \r\n") << c.line;
    }
  }
  EXPECT_EQ(world.app->form1().Text1.backColor(), rgb(0, 0, 0)) << "black, as chosen";
}

TEST_F(LoadCase, OnlyAnExactYesSwitchesTheTunerOn) {
  App& app = load({"0", "0", "", "0", "0", "0", "", "0", "0", "yes", "D:\\tv.exe", "OFF",
                   "-m:tv", "", "1", "0", "0", "0"});
  EXPECT_EQ(app.form1().Check3.value(), 0);
  EXPECT_EQ(app.settings.TunerOn, "NO");
  EXPECT_EQ(app.form1().Command3.text(), "Дополнительно");
  SaveSettings(app);
  EXPECT_NE(world.settingsFile().find("\r\nNO\r\n"), std::string::npos);
}

TEST_F(LoadCase, OnlyAnExactFullScreenSwitchTicksItsBox) {
  const struct {
    const char* line;
    int ticked;
  } cases[] = {{"-fs", 1}, {"  -fs", 1}, {"-FS", 0}, {"-fs ", 0}, {"fs", 0}, {"", 0}};
  for (const auto& c : cases) {
    App& app = load({"0", "0", "", "0", "0", "0", "", "0", "0", "YES", "D:\\tv.exe", "OFF",
                     "-m:tv", c.line, "1", "0", "0", "0"});
    EXPECT_EQ(app.form1().Check5.value(), c.ticked) << '"' << c.line << '"';
  }
}

TEST_F(LoadCase, AnUnknownTunerModeSelectsNeitherButtonAndIsWrittenBackUnchanged) {
  App& app = load({"0", "0", "", "0", "0", "0", "", "0", "0", "NO", "", "OFF", "-m:dab", "", "1",
                   "0", "0", "0"});
  EXPECT_EQ(app.form1().Option1.value(), 0);
  EXPECT_EQ(app.form1().Option2.value(), 0);
  SaveSettings(app);
  EXPECT_NE(world.settingsFile().find("\r\n-m:dab\r\n"), std::string::npos);
}

TEST_F(LoadCase, AChannelOfZeroOrLessBecomesOne) {
  for (const char* channel : {" 0 ", "-5 "}) {
    App& app = load({"0", "0", "", "0", "0", "0", "", "0", "0", "NO", "", "OFF", "-m:tv", "",
                     channel, "0", "0", "0"});
    EXPECT_EQ(app.form1().Text4.text(), "1") << channel;
    EXPECT_EQ(app.settings.TunerChannel, 1) << channel;
  }
}

TEST_F(LoadCase, LinesAfterTheEighteenthAreIgnoredAndGoneAtTheNextSave) {
  std::vector<std::string> lines(18, " 0 ");
  lines.push_back("extra");
  lines.push_back(" 99 ");
  App& app = load(lines);
  SaveSettings(app);
  EXPECT_EQ(world.settingsFile().find("extra"), std::string::npos);
}

TEST_F(LoadCase, AStoredTunerTurnsThePlaceholderOnOnlyWhenTheMainAlertIsOff) {
  App& on = load({"0", "0", "", "0", "0", "0", "", "0", "0", "YES", "D:\\tv.exe", "ON", "-m:tv",
                  "", "1", "0", "0", "0"});
  EXPECT_EQ(on.form1().Text1.text(), "@Behold TV@");
  EXPECT_FALSE(on.form1().Text1.enabled());
  EXPECT_TRUE(on.form1().Command4.enabled());

  App& off = load({"0", "0", "", "0", "0", "0", "", "0", "0", "NO", "", "ON", "-m:tv", "", "1",
                   "0", "0", "0"});
  EXPECT_EQ(off.form1().Text1.text(), "") << "the tuner option, run at start-up, empties it";
  EXPECT_TRUE(off.form1().Text1.enabled());
  EXPECT_FALSE(off.form1().Command4.enabled());
}

TEST(SettingsParse, AnyLineBreakEndsALine) {
  SettingsRecord s;
  EXPECT_EQ(parseSettingsFile(" 1 \n 2 \r 3 \r\n", true, s), 3);
  EXPECT_EQ(s.FormColor, 1);
  EXPECT_EQ(s.FieldColor, 2);
  EXPECT_EQ(s.SoundFile, "3 ") << "a text keeps the rest of its line";
}

TEST(SettingsParse, ALastLineCutOffByTheReadLimitIsNotRead) {
  SettingsRecord s;
  s.FieldColor = 7;
  EXPECT_EQ(parseSettingsFile(" 1 \r\n 2", false, s), 1);
  EXPECT_EQ(s.FieldColor, 7);
  EXPECT_EQ(parseSettingsFile(" 1 \r\n 2", true, s), 2);
  EXPECT_EQ(s.FieldColor, 2);
}

TEST(SettingsParse, NumbersOutOfRangeSaturate) {
  SettingsRecord s;
  std::string text;
  for (int i = 0; i < 14; ++i) text += "\r\n";
  text += "99999999999\r\n-1e300\r\n1e300\r\n123456\r\n";
  parseSettingsFile(text, true, s);
  EXPECT_EQ(s.TunerChannel, 2147483647);
  EXPECT_EQ(s.Form3Left, -2147483647 - 1);
  EXPECT_EQ(s.IndicatorAction, 32767);
}

}  // namespace
}  // namespace kvirlo
