// The Windows services against the real registry, files and clock of a Wine
// prefix, run under a Russian locale (ANSI code page 1251, OEM 866).

#include <gtest/gtest.h>

#include "alert/tuner_launch.h"
#include "app/Form1.h"
#include "platform/win32/media_player.h"
#include "platform/win32/SingleInstance.h"
#include "platform/win32/clock.h"
#include "platform/win32/registry.h"
#include "platform/win32/user_store.h"
#include "platform/win32/text.h"
#include "settings/settings_module.h"
#include "win32/win32_world.h"

namespace kvirlo::testing {
namespace {

using win32::wide;

std::optional<std::wstring> runValue() {
  return win32::RegKey(win32::RunKeyAutostart::kKey, KEY_QUERY_VALUE, false).string(L"Квирло 3.01");
}

struct Services : ::testing::Test {
  Services() { forgetEverything(); }
  ~Services() override { forgetEverything(); }
  std::string settingsPath() { return world.system.paths.windowsDirectory() + "\\Kvir_Config.ini"; }
  Win32World world;
};

TEST_F(Services, TheLocaleIsRussian) {
  // The code page cases below mean something only under it.
  EXPECT_EQ(GetACP(), 1251u);
  EXPECT_EQ(GetOEMCP(), 866u);
}

TEST_F(Services, AStartWritesTheStoreAndTheRunValueAndAnExitTakesThemAway) {
  world.app->run();
  Form1& f = world.app->form1();
  f.Text1.setText("Позвонить маме");
  f.Text2.setText("18");
  f.Text3.setText("05");
  f.Command1.click();
  world.pump();

  win32::RegKey config(win32::RegistryStore::kKey, KEY_QUERY_VALUE, false);
  EXPECT_EQ(config.string(L"running"), L"ON");
  EXPECT_EQ(config.string(L"Text_Kvir"), L"Позвонить маме");
  EXPECT_EQ(config.string(L"Hour_Kvir"), L"18");
  EXPECT_EQ(config.string(L"Minute_Kvir"), L"05");
  const auto run = runValue();
  ASSERT_TRUE(run);
  EXPECT_EQ(*run, L"\"" + wide(world.system.paths.programDirectory()) + L"\\" +
                      wide(world.system.paths.executableBaseName()) + L".exe\"");
  EXPECT_FALSE(IsWindowVisible(world.windowOf(f)));

  EXPECT_TRUE(world.ends([&] { f.requestClose(); }));
  EXPECT_EQ(config.string(L"running"), L"OFF");
  EXPECT_FALSE(runValue());
}

TEST_F(Services, TheSettingsFileIsInTheAnsiCodePageAndEarlierFilesReadBack) {
  world.app->run();
  world.app->settings.TunerPath = "C:\\Программы\\Тюнер.exe";
  ASSERT_TRUE(SaveSettings(*world.app));
  const std::string bytes = Win32World::bytesOf(settingsPath());
  EXPECT_NE(bytes.find("C:\\\xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB\\\xD2\xFE\xED\xE5\xF0.exe\r\n"),
            std::string::npos);
  std::size_t lines = 0;
  for (std::size_t i = 0; (i = bytes.find("\r\n", i)) != std::string::npos; i += 2) ++lines;
  EXPECT_EQ(lines, 18u);

  // A file of an earlier version, written in code page 1251.
  win32::Win32Files::replaceBytes(settingsPath(), "255\r\n0\r\nC:\\\xC7\xE2\xF3\xEA.wav\r\n");
  Win32World again;
  again.app->run();
  EXPECT_EQ(again.app->settings.SoundFile, "C:\\Звук.wav");
}

TEST_F(Services, TheCommandFileIsWrittenBesideTheProgramInTheOemCodePage) {
  world.app->run();
  Form1& f = world.app->form1();
  world.app->settings.TunerPath = "C:\\ТВ\\tuner.exe";
  CreateDirectoryW(L"C:\\ТВ", nullptr);
  ASSERT_TRUE(win32::Win32Files::replaceBytes("C:\\ТВ\\tuner.exe", "MZ"));
  world.app->settings.TunerMode = "-m:tv";
  world.app->settings.TunerChannel = 7;
  world.app->settings.TunerFullScreen = "-fs";
  f.Text4.setText("7");
  ASSERT_TRUE(LaunchTuner(*world.app));
  const std::string folder = world.system.paths.programDirectory();
  ASSERT_EQ(world.shell.runs.size(), 1u);
  EXPECT_EQ(world.shell.runs[0].path, folder + "\\~.cmd");
  EXPECT_EQ(world.shell.runs[0].workingDirectory, folder);
  EXPECT_EQ(Win32World::bytesOf(folder + "\\~.cmd"),
            "\"C:\\\x92\x82\\tuner.exe\" -m:tv -ch:7 -fs -wu \r\ndel ~.cmd\r\n");
  DeleteFileW(L"C:\\ТВ\\tuner.exe");
  RemoveDirectoryW(L"C:\\ТВ");
}

TEST_F(Services, ASettingsValueTheAnsiCodePageLacksIsKeptInUtf8) {
  world.app->run();
  world.app->settings.SoundFile = "C:\\Звуки\\Tür.wav";
  world.app->settings.TunerPath = "C:\\ТВ\\电视.exe";
  ASSERT_TRUE(SaveSettings(*world.app));
  const std::string bytes = Win32World::bytesOf(settingsPath());
  EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF") << "a byte-order mark says UTF-8";
  EXPECT_NE(bytes.find("\r\nC:\\Звуки\\Tür.wav\r\n"), std::string::npos);
  Win32World again;
  again.app->run();
  EXPECT_EQ(again.app->settings.SoundFile, "C:\\Звуки\\Tür.wav");
  EXPECT_EQ(again.app->settings.TunerPath, "C:\\ТВ\\电视.exe");
  EXPECT_EQ(again.app->settings.FormColor, 14737632) << "the mark is not part of the first line";
}

TEST_F(Services, ACommandFileCmdCouldNotReadExactlyIsNeitherWrittenNorRun) {
  world.app->run();
  world.app->settings.TunerPath = "C:\\Tuner\xEF\xBC\x82.exe";  // a full-width quote
  ASSERT_TRUE(win32::Win32Files::replaceBytes(world.app->settings.TunerPath, "MZ"));
  EXPECT_FALSE(LaunchTuner(*world.app));
  DeleteFileW(wide(world.app->settings.TunerPath).c_str());
  EXPECT_TRUE(world.shell.runs.empty());
  EXPECT_EQ(Win32World::bytesOf(world.system.paths.programDirectory() + "\\~.cmd"), "<missing>");
}

// cmd.exe starts a file as a program by its extension; a document or a
// folder is no tuner, and a bare name is found with an extension after it.
TEST_F(Services, ATunerIsAFileWhoseExtensionCmdRunsAsAProgram) {
  for (auto [path, pathExt, program] : {std::tuple{L"C:\\TV\\tv.exe", L"", true}, {L"C:\\TV\\TV.ExE", L"", true},
                                        {L"C:\\TV\\notes.txt", L"", false}, {L"C:\\TV.d\\tuner", L"", false},
                                        {L"C:\\TV\\tv.exe", L".COM;.BAT", false}, {L"C:\\TV\\tv.py", L";.EXE;;.py;", true}})
    EXPECT_EQ(win32::Win32Files::hasProgramExtension(path, pathExt), program) << win32::utf8(path);
  CreateDirectoryW(L"C:\\TV", nullptr);
  CreateDirectoryW(L"C:\\TV\\folder.exe", nullptr);
  ASSERT_TRUE(win32::Win32Files::replaceBytes("C:\\TV\\tuner.exe", "MZ"));
  ASSERT_TRUE(win32::Win32Files::replaceBytes("C:\\TV\\notes.txt", "MZ"));
  for (auto [path, program] : {std::pair{"C:\\TV\\tuner.exe", true}, {"C:\\TV\\tuner", true},
                               {"C:\\TV\\notes.txt", false}, {"C:\\TV\\folder.exe", false}})
    EXPECT_EQ(world.system.files.isProgram(path), program) << path;
}

TEST_F(Services, TheStoreReadsAbsentAndOddValuesAsText) {
  EXPECT_EQ(world.system.store.get("running"), "");
  world.system.store.set("Text_Kvir", std::string("a\nb\xD0", 4));  // a cut UTF-8 sequence
  EXPECT_EQ(world.system.store.get("Text_Kvir").substr(0, 3), "a\nb");
  // A value of another type (as another program may leave) reads as absent.
  const DWORD number = 1;
  HKEY raw = nullptr;
  RegOpenKeyExW(HKEY_CURRENT_USER, win32::RegistryStore::kKey, 0, KEY_SET_VALUE, &raw);
  RegSetValueExW(raw, L"Hour_Kvir", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  RegCloseKey(raw);
  EXPECT_EQ(world.system.store.get("Hour_Kvir"), "");
}

TEST_F(Services, ClockJumpsCallTheMinuteWatchAtOnce) {
  int calls = 0;
  auto watch = world.system.clock.atEveryMinute([&] { ++calls; });
  SendMessageW(world.system.window.handle(), WM_TIMECHANGE, 0, 0);
  EXPECT_EQ(calls, 1);
  SendMessageW(world.system.window.handle(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  EXPECT_EQ(calls, 2);
  watch.reset();
  SendMessageW(world.system.window.handle(), WM_TIMECHANGE, 0, 0);
  EXPECT_EQ(calls, 2) << "a cancelled watch is silent";
}

TEST_F(Services, MinuteWatchesShareOneTimerAndOneGoingLeavesTheOthers) {
  std::string calls;
  auto first = world.system.clock.atEveryMinute([&] { calls += 'a'; });
  auto second = world.system.clock.atEveryMinute([&] { calls += 'b'; });
  SendMessageW(world.system.window.handle(), WM_TIMECHANGE, 0, 0);
  EXPECT_EQ(calls, "ab") << "one wake-up calls every watch, in the order they began";
  first.reset();
  SendMessageW(world.system.window.handle(), WM_TIMECHANGE, 0, 0);
  EXPECT_EQ(calls, "abb");
  second.reset();
  auto third = world.system.clock.atEveryMinute([&] { calls += 'c'; });
  SendMessageW(world.system.window.handle(), WM_TIMECHANGE, 0, 0);
  EXPECT_EQ(calls, "abbc") << "a watch begun after all others went still hears the minutes";
}

TEST_F(Services, TheMinuteTimerAimsJustPastTheNextMinutesStart) {
  using win32::WindowTimerClock;
  EXPECT_EQ(WindowTimerClock::delayToNextMinute({10, 0, 0, 0}), 60000u + 30);
  EXPECT_EQ(WindowTimerClock::delayToNextMinute({10, 0, 59, 999}), 1u + 30);
  EXPECT_EQ(WindowTimerClock::delayToNextMinute({10, 0, 30, 500}), 29500u + 30);
}

TEST_F(Services, TimersCallBackAndACallMayCancelItself) {
  int once = 0;
  int every = 0;
  std::unique_ptr<ScheduledCall> repeating;
  auto single = world.system.clock.once(Milliseconds(10), [&] { ++once; });
  repeating = world.system.clock.every(Milliseconds(10), [&] {
    if (++every == 3) repeating.reset();
  });
  world.pump(300);
  EXPECT_EQ(once, 1);
  EXPECT_EQ(every, 3);
}

TEST_F(Services, TheEndOfTheSessionEndsTheProgramAsAnOrderlyExit) {
  world.app->run();
  world.system.store.set("running", "ON");
  EXPECT_EQ(SendMessageW(world.system.window.handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_TRUE(world.ends([&] { SendMessageW(world.system.window.handle(), WM_ENDSESSION, TRUE, 0); }));
  EXPECT_EQ(world.system.store.get("running"), "OFF");
}

TEST_F(Services, OnlyTheFirstCopyIsTheFirst) {
  win32::SingleInstance first;
  win32::SingleInstance second;
  EXPECT_TRUE(first.first());
  EXPECT_FALSE(second.first());
}

TEST_F(Services, ASecondCopysKnockShowsTheMainWindow) {
  world.app->run();
  world.app->form1().hide();
  win32::SingleInstance::knock();
  world.pump();
  EXPECT_TRUE(world.app->form1().visible());
}

TEST_F(Services, SoundFilesThatAreMissingOrOddAreNotPlayable) {
  win32::MciPlayer player;
  player.open("C:\\nowhere\\missing.wav");
  EXPECT_FALSE(player.playable());
  player.open("C:\\a \"quoted\" name.wav");
  EXPECT_FALSE(player.playable());
  player.play();  // nothing to play: no harm
  player.stop();
}

// A driver may report its mode late or wrongly: the position decides.
TEST_F(Services, ARepeatingFileStartsAgainWhenItEndsStopsOrStalls) {
  win32::ReplayWatch watch;
  watch.started(0);
  EXPECT_FALSE(watch.due(true, 0, 1140, 100));
  EXPECT_FALSE(watch.due(true, 90, 1140, 200));   // it moves
  EXPECT_FALSE(watch.due(true, 90, 1140, 600));   // held up, not yet for long
  EXPECT_TRUE(watch.due(true, 90, 1140, 700));    // held up for half a second
  watch.started(700);
  EXPECT_FALSE(watch.due(true, 1140, 1140, 800));
  EXPECT_TRUE(watch.due(true, 1140, 1140, 900));   // "playing", still at the end
  watch.started(0);
  EXPECT_FALSE(watch.due(true, 1200, 1140, 100));
  EXPECT_FALSE(watch.due(true, 1300, 1140, 200));  // moving past a length said too short
  watch.started(800);
  EXPECT_FALSE(watch.due(false, 100, 1140, 900));  // "stopped", yet it moves
  EXPECT_TRUE(watch.due(false, 100, 1140, 1000));  // stopped
  watch.started(1000);
  EXPECT_FALSE(watch.due(true, -1, 1140, 2000));  // no position: the mode decides
  EXPECT_TRUE(watch.due(false, -1, 1140, 2100));
}

TEST_F(Services, TheVolumeGoesFromHundredthsOfADecibelToMcisScale) {
  using win32::MciPlayer;
  EXPECT_EQ(MciPlayer::mciVolume(0), 1000);
  EXPECT_EQ(MciPlayer::mciVolume(-2000), 100);
  EXPECT_EQ(MciPlayer::mciVolume(-10000), 0);
  EXPECT_EQ(MciPlayer::mciVolume(500), 1000);
}

TEST_F(Services, CodePagesNeverSubstituteALookAlike) {
  using win32::toCodePageExactly;
  EXPECT_EQ(toCodePageExactly("Ёж", 866), std::optional<std::string>("\xF0\xA6"));
  EXPECT_FALSE(toCodePageExactly("\xEF\xBC\x82", 866)) << "a full-width quote is no quote";
  EXPECT_FALSE(toCodePageExactly("tv.exe", 12345)) << "a conversion that fails is no empty text";
  EXPECT_FALSE(toCodePageExactly("tv\xD0.exe", 866)) << "nor is one of text that is not UTF-8";
  EXPECT_EQ(win32::toCodePage("€ и ☺", 1251), "\x88 \xE8 ?");
  EXPECT_EQ(win32::fromCodePage("\xCF\xF0\xE8\xE2\xE5\xF2", 1251), "Привет");
}

}  // namespace
}  // namespace kvirlo::testing
