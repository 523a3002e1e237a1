#include <gtest/gtest.h>

#include "alert/Form2.h"
#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"
#include "indicator/Form3.h"
#include "sound/Player.h"

namespace kvirlo {
namespace {

using testing::FakeClock;
using testing::World;

struct RequestLog : ModelObserver {
  void windowRequest(Window& w, const WindowRequest& r) override {
    if (r.kind == WindowRequest::Kind::TopMost) topMost.push_back(w.id());
    // Asked once it shows, so that a desktop can point at a window it has.
    if (r.kind == WindowRequest::Kind::Attention) attention.push_back({w.id(), w.visible(), r.message});
  }
  std::vector<WindowId> topMost;
  struct Call {
    WindowId window;
    bool shown;
    std::string message;
    bool operator==(const Call&) const = default;
  };
  std::vector<Call> attention;
};

struct Alert : ::testing::Test {
  void SetUp() override {
    world.clock.setWallClock(FakeClock::at(17, 0));
    ASSERT_TRUE(world.start());
  }
  Form1& main() { return world.app->form1(); }
  void tunerOn(bool only) {
    main().Check3.click();
    main().Text5.setText("D:\\TV\\tv.exe");
    world.app->settings.TunerPath = "D:\\TV\\tv.exe";
    world.files.programs = {"D:\\TV\\tv.exe", "/opt/tv"};
    if (only) main().Check6.click();
  }
  // Starts a reminder for 18:05 and lets the clock get there; false when the
  // program ended on the way.
  bool fire(const std::string& text = "Позвонить") {
    world.startReminder(text, "18", "05");
    return !World::ends([&] { world.clock.advanceTo(FakeClock::at(18, 5)); });
  }
  // The Linux program: its tuner file runs by /bin/sh from the data folder.
  void fireOnLinux(const char* dataFolder) {
    world.shell.scriptDialect = ScriptDialect::Sh;
    world.paths.sep = '/';
    world.paths.windowsDir = dataFolder;
    ASSERT_TRUE(world.start());
    tunerOn(false);
    world.app->settings.TunerPath = "/opt/tv";
    ASSERT_TRUE(fire());
    ASSERT_EQ(world.shell.runs.size(), 1u);
  }
  World world;
};

TEST_F(Alert, OpensTopMostWithTheTextAndTheAlarm) {
  RequestLog log;
  world.startReminder("Позвонить маме", "18", "05");
  world.app->setObserver(&log);
  world.clock.advanceTo(FakeClock::at(18, 5));
  Form2& alert = world.app->form2();
  EXPECT_TRUE(alert.visible());
  EXPECT_EQ(log.topMost, std::vector<WindowId>{WindowId::Form2});
  EXPECT_EQ(alert.Text1.text(), "Напоминаю: Позвонить маме");
  EXPECT_EQ(log.attention, (std::vector<RequestLog::Call>{{WindowId::Form2, true, "Напоминаю: Позвонить маме"}}));
  EXPECT_FALSE(world.app->exists(WindowId::Form3));
  EXPECT_TRUE(alert.Timer1.enabled());
  ASSERT_TRUE(world.app->exists(WindowId::Player));
  EXPECT_FALSE(world.app->player().visible());
  EXPECT_TRUE(world.media.playing);
  EXPECT_TRUE(world.media.enabled);
  EXPECT_EQ(world.media.file, "C:\\WINDOWS\\media\\tada.wav");
  EXPECT_TRUE(world.shell.runs.empty()) << "no tuner, no command file";
  EXPECT_EQ(world.files.files.count("C:\\Program Files\\Kvirlo\\~.cmd"), 0u);
  world.app->setObserver(nullptr);
}

TEST_F(Alert, RemovesTheTrayIcon) {
  main().Check1.setValue(check::Unchecked);
  ASSERT_TRUE(fire());
  EXPECT_TRUE(world.tray.icons.empty());
}

TEST_F(Alert, TheCaptionBlinksHiddenFirst) {
  ASSERT_TRUE(fire());
  Form2& alert = world.app->form2();
  std::vector<bool> shown;
  for (int i = 0; i < 4; ++i) {
    world.clock.advance(Milliseconds(100));
    shown.push_back(alert.Label1.visible());
  }
  EXPECT_EQ(shown, (std::vector<bool>{false, true, false, true}));
}

TEST_F(Alert, AnEmptyTextShowsTheWordsAlone) {
  world.app->form1().Text1.setText("");
  world.app->AlarmHour = 0;
  world.app->form2();
  EXPECT_EQ(world.app->form2().Text1.text(), "Напоминаю: ");
}

TEST_F(Alert, ContinueStopsTheSoundAndBringsBackTheMainWindow) {
  ASSERT_TRUE(fire());
  world.app->form2().Command2.click();
  EXPECT_FALSE(world.app->exists(WindowId::Form2));
  EXPECT_FALSE(world.app->exists(WindowId::Player));
  EXPECT_EQ(world.media.alive, 0);
  EXPECT_FALSE(world.media.playing);
  EXPECT_TRUE(main().visible());
  EXPECT_FALSE(world.app->form3().visible()) << "the indicator stays gone";
  world.clock.advance(Milliseconds(5000));
  EXPECT_EQ(world.media.alive, 0) << "nothing sounds again";
}

// Once seen, a reminder is over: no later start after a crash may bring it
// back. One started while the alert was open still waits.
TEST_F(Alert, ADismissedReminderIsNoLongerPendingUnlessANewOneWasStarted) {
  for (const char* how : {"Продолжить", "Esc", "a new reminder first"}) {
    ASSERT_TRUE(world.start());
    ASSERT_TRUE(fire());
    EXPECT_EQ(world.store.values["running"], "ON") << how;
    const bool another = how[0] == 'a';
    if (another) world.startReminder("ещё", "23", "59");
    if (how[0] == 'E') world.app->form2().keyDown(keys::Escape);
    else world.app->form2().Command2.click();
    EXPECT_FALSE(world.app->exists(WindowId::Form2)) << how;
    EXPECT_EQ(world.store.values["running"], another ? "ON" : "OFF") << how;
    EXPECT_EQ(world.autostart.entries.count("Квирло 3.01"), another ? 1u : 0u) << how;
    ASSERT_TRUE(world.start());  // the session ends without the program's exit
    EXPECT_EQ(main().Timer1.enabled(), another) << how;
    EXPECT_EQ(main().visible(), !another) << how;
  }
  world.startReminder("снова", "23", "59");
  EXPECT_EQ(world.store.values["running"], "ON") << "a new start records it again";
  EXPECT_EQ(world.autostart.entries.count("Квирло 3.01"), 1u);
}

TEST_F(Alert, TheCloseBoxIsContinue) {
  ASSERT_TRUE(fire());
  world.app->form2().requestClose();
  EXPECT_FALSE(world.app->exists(WindowId::Player));
  EXPECT_TRUE(main().visible());
}

TEST_F(Alert, AnOpenSoundSettingsWindowIsTheOneThatSounds) {
  main().mnuSound.click();
  Player* open = &world.app->player();
  ASSERT_TRUE(fire());
  EXPECT_EQ(&world.app->player(), open);
  EXPECT_EQ(world.media.created, 1);
  world.app->form2().Command2.click();
  EXPECT_FALSE(world.app->exists(WindowId::Player));
}

TEST_F(Alert, TheSpeakerBeepsOnceASecond) {
  world.app->settings.SoundOutput = "SystemDinamyc";
  ASSERT_TRUE(fire());
  world.clock.advance(Milliseconds(3000));
  ASSERT_EQ(world.tone.tones.size(), 3u);
  EXPECT_EQ(world.tone.tones[0].frequency, 670);
  EXPECT_EQ(world.tone.tones[0].duration, 670);
  EXPECT_EQ(world.tone.tones[1].at - world.tone.tones[0].at, 1000);
  world.app->form2().Command2.click();
  world.clock.advance(Milliseconds(3000));
  EXPECT_EQ(world.tone.tones.size(), 3u);
}

TEST_F(Alert, ASoundFileThatCannotPlayGivesWayToTheTone) {
  world.media.unplayable.insert("C:\\WINDOWS\\media\\tada.wav");
  ASSERT_TRUE(fire());
  EXPECT_TRUE(world.app->player().fellBackToTone());
  world.clock.advance(Milliseconds(2000));
  EXPECT_EQ(world.tone.tones.size(), 2u);
  EXPECT_TRUE(world.app->form2().visible());
}

TEST_F(Alert, AFileFoundBadWhilePlayingAlsoGivesWayToTheTone) {
  ASSERT_TRUE(fire());
  EXPECT_FALSE(world.app->player().fellBackToTone());
  world.media.unplayable.insert(world.media.file);
  world.clock.advance(Milliseconds(1100));
  EXPECT_TRUE(world.app->player().fellBackToTone());
  EXPECT_FALSE(world.tone.tones.empty());
}

TEST_F(Alert, TheSettingsWindowAloneNeverFallsBack) {
  world.media.unplayable.insert("C:\\WINDOWS\\media\\tada.wav");
  main().mnuSound.click();
  world.clock.advance(Milliseconds(3000));
  EXPECT_TRUE(world.tone.tones.empty());
}

TEST_F(Alert, AnUnknownOutputIsSilent) {
  world.app->settings.SoundOutput = "";
  ASSERT_TRUE(fire());
  EXPECT_FALSE(world.app->exists(WindowId::Player));
  EXPECT_EQ(world.media.created, 0);
}

TEST_F(Alert, TheTunerAloneEndsTheProgramWithoutAnAlert) {
  tunerOn(true);
  EXPECT_FALSE(fire("@Behold TV@"));
  ASSERT_EQ(world.shell.runs.size(), 1u);
  EXPECT_EQ(world.shell.runs[0].text, "\"D:\\TV\\tv.exe\" -m:tv -ch:1  -wu \r\ndel ~.cmd\r\n");
  EXPECT_EQ(world.media.created, 0);
  EXPECT_TRUE(world.tone.tones.empty());
  EXPECT_EQ(world.store.values["running"], "OFF");
  EXPECT_TRUE(world.autostart.entries.empty());
}

TEST_F(Alert, TheTunerAndTheAlertTogether) {
  tunerOn(false);
  ASSERT_TRUE(fire());
  EXPECT_EQ(world.shell.runs.size(), 1u);
  EXPECT_TRUE(world.app->form2().visible());
  EXPECT_TRUE(world.media.playing);
}

TEST_F(Alert, TheCommandFileLivesBesideTheProgramAndRunsThere) {
  tunerOn(false);
  world.files.files["C:\\Program Files\\Kvirlo\\~.cmd"] = "old content\r\n";
  ASSERT_TRUE(fire());
  const std::string path = "C:\\Program Files\\Kvirlo\\~.cmd";
  ASSERT_FALSE(world.shell.runs.empty());
  EXPECT_EQ(world.shell.runs[0].path, path);
  EXPECT_EQ(world.shell.runs[0].workingDirectory, "C:\\Program Files\\Kvirlo")
      << "so that \"del ~.cmd\" removes this file and no other";
  EXPECT_EQ(world.files.files[path], "\"D:\\TV\\tv.exe\" -m:tv -ch:1  -wu \r\ndel ~.cmd\r\n");
}

TEST_F(Alert, AtADriveRootTheFileNameIsJoinedOnce) {
  world.paths.programDir = "D:\\";
  tunerOn(false);
  ASSERT_TRUE(fire());
  ASSERT_FALSE(world.shell.runs.empty());
  EXPECT_EQ(world.shell.runs[0].path, "D:\\~.cmd");
}

TEST_F(Alert, ATunerThatCannotBeStartedLeavesTheAlertToRemind) {
  tunerOn(true);
  world.app->settings.TunerPath = "D:\\bad\"name.exe";
  ASSERT_TRUE(fire("@Behold TV@"));
  EXPECT_TRUE(world.shell.runs.empty());
  EXPECT_TRUE(world.app->form2().visible());
}

TEST_F(Alert, ATunerProgramThatIsNotThereIsNotStartedAndTheAlertSaysSo) {
  const struct {
    bool only;
    const char* path;
  } cases[] = {{true, "D:\\TV\\gone.exe"}, {false, "D:\\TV\\gone.exe"}, {true, "D:\\TV"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    World fresh;
    fresh.clock.setWallClock(FakeClock::at(17, 0));
    ASSERT_TRUE(fresh.start());
    fresh.app->form1().Check3.click();
    fresh.app->form1().Text5.setText(c.path);
    fresh.app->settings.TunerPath = c.path;
    fresh.files.programs = {"D:\\TV\\tv.exe"};  // "D:\\TV" is its folder
    if (c.only) fresh.app->form1().Check6.click();
    const std::string text = c.only ? "@Behold TV@" : "Позвонить";
    fresh.startReminder(text, "18", "05");
    ASSERT_FALSE(World::ends([&] { fresh.clock.advanceTo(FakeClock::at(18, 5)); }));
    EXPECT_TRUE(fresh.shell.runs.empty());
    EXPECT_EQ(fresh.files.files.count("C:\\Program Files\\Kvirlo\\~.cmd"), 0u);
    ASSERT_TRUE(fresh.app->form2().visible());
    EXPECT_EQ(fresh.app->form2().Text1.text(),
              "Напоминаю: " + text + "\nНе удалось запустить TV тюнер: " + c.path);
  }
  // Where the interpreter runs, a relative path is looked for there.
  tunerOn(false);
  world.app->settings.TunerPath = "TV\\tv.exe";
  world.files.programs = {"C:\\Program Files\\Kvirlo\\TV\\tv.exe"};
  ASSERT_TRUE(fire());
  EXPECT_EQ(world.shell.runs.size(), 1u);
  EXPECT_EQ(world.app->form2().Text1.text(), "Напоминаю: Позвонить");
}

TEST_F(Alert, OnLinuxTheScriptGoesToTheDataFolder) {
  fireOnLinux("/home/u/.local/share/kvirlo");
  if (HasFatalFailure()) return;
  EXPECT_EQ(world.shell.runs[0].path, "/home/u/.local/share/kvirlo/~.cmd");
  EXPECT_EQ(world.shell.runs[0].workingDirectory, "/home/u/.local/share/kvirlo");
  EXPECT_EQ(world.shell.runs[0].text, "\"/opt/tv\" -m:tv -ch:1  -wu \nrm -f -- \"$0\"\n");
}

TEST_F(Alert, ADataFolderAtTheRootRunsTheScriptThere) {
  fireOnLinux("/");
  if (HasFatalFailure()) return;
  EXPECT_EQ(world.shell.runs[0].path, "/~.cmd");
  EXPECT_EQ(world.shell.runs[0].workingDirectory, "/");
}

}  // namespace
}  // namespace kvirlo
