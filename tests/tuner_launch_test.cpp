#include <gtest/gtest.h>

#include <utility>

#include "alert/tuner_launch.h"
#include "settings/SettingsRecord.h"

namespace kvirlo {
namespace {

SettingsRecord tuner(const std::string& path, const std::string& mode, int channel,
                     const std::string& fullScreen) {
  SettingsRecord s;
  s.TunerPath = path;
  s.TunerMode = mode;
  s.TunerChannel = channel;
  s.TunerFullScreen = fullScreen;
  return s;
}

TEST(TunerCommandFile, TwoBlanksBeforeWuWhenNotFullScreen) {
  EXPECT_EQ(tunerCommandFile(ScriptDialect::Cmd, "\"", tuner("D:\\TV\\tv.exe", "-m:fm", 12, "")),
            "\"D:\\TV\\tv.exe\" -m:fm -ch:12  -wu \r\ndel ~.cmd\r\n");
}

TEST(TunerCommandFile, FullScreenStandsBeforeWu) {
  EXPECT_EQ(tunerCommandFile(ScriptDialect::Cmd, "\"", tuner("D:\\TV\\tv.exe", "-m:tv", 3, "-fs")),
            "\"D:\\TV\\tv.exe\" -m:tv -ch:3 -fs -wu \r\ndel ~.cmd\r\n");
}

TEST(TunerCommandFile, ChannelZeroAndAnEmptyPathAreWrittenAsTheyAre) {
  EXPECT_EQ(tunerCommandFile(ScriptDialect::Cmd, "\"", tuner("", "-m:tv", 0, "")),
            "\"\" -m:tv -ch:0  -wu \r\ndel ~.cmd\r\n");
}

TEST(TunerCommandFile, TheQuoteComesFromTheField) {
  EXPECT_EQ(tunerCommandFile(ScriptDialect::Cmd, "", tuner("D:\\tv.exe", "-m:tv", 1, "")),
            "D:\\tv.exe -m:tv -ch:1  -wu \r\ndel ~.cmd\r\n");
}

TEST(TunerCommandFile, CmdOperatorsReachTheTunerAsPlainText) {
  // In quotes only "%" acts; outside them every operator is escaped.
  EXPECT_EQ(tunerCommandFile(ScriptDialect::Cmd, "\"",
                             tuner("C:\\A&B ^100%\\tv.exe", "-m:tv&calc|x>y", 1, "<in")),
            "\"C:\\A&B ^100%%\\tv.exe\" -m:tv^&calc^|x^>y -ch:1 ^<in -wu \r\ndel ~.cmd\r\n");
  EXPECT_EQ(tunerCommandFile(ScriptDialect::Cmd, "'", tuner("C:\\a&b", "-m:tv", 1, "")),
            "'C:\\a^&b' -m:tv -ch:1  -wu \r\ndel ~.cmd\r\n");
}

TEST(TunerCommandFile, WhatCannotBePassedPlainlyIsRefused) {
  EXPECT_FALSE(tunerCommandFile(ScriptDialect::Cmd, "\"", tuner("C:\\a\".exe", "-m:tv", 1, "")));
  EXPECT_FALSE(tunerCommandFile(ScriptDialect::Cmd, "\"", tuner("C:\\a.exe", "-m:tv\r\nx", 1, "")));
  EXPECT_FALSE(tunerCommandFile(ScriptDialect::Sh, "\"", tuner("/a\nb", "-m:tv", 1, "")));
  // A NUL, as a settings file may hold: sh would drop it, cmd.exe can hang on it.
  const std::string nul("-m:tv\0&calc", 11);
  EXPECT_FALSE(tunerCommandFile(ScriptDialect::Cmd, "\"", tuner("C:\\a.exe", "-m:tv", 1, nul)));
  EXPECT_FALSE(tunerCommandFile(ScriptDialect::Sh, "\"", tuner(std::string("/a\0b", 4), nul, 1, "")));
  // A bare word is a command of the interpreter's own, which runs the rest
  // of the line: a path must name its folder.
  const std::pair<ScriptDialect, const char*> bare[] = {
      {ScriptDialect::Sh, "eval"}, {ScriptDialect::Sh, "C:\\tv.exe"}, {ScriptDialect::Cmd, "call"},
      {ScriptDialect::Cmd, "start"}, {ScriptDialect::Cmd, "D:tv.exe"}};
  for (const auto& [dialect, path] : bare)
    EXPECT_FALSE(tunerCommandFile(dialect, "\"", tuner(path, "x;touch FILE;:", 1, ""))) << path;
  EXPECT_TRUE(tunerCommandFile(ScriptDialect::Cmd, "\"", tuner("tv/start", "-m:tv", 1, "")));
}

TEST(TunerCommandFile, ShKeepsTheLineAndRemovesItsOwnFile) {
  EXPECT_EQ(tunerCommandFile(ScriptDialect::Sh, "\"", tuner("/opt/tv/tv", "-m:fm", 12, "")),
            "\"/opt/tv/tv\" -m:fm -ch:12  -wu \nrm -f -- \"$0\"\n");
}

TEST(TunerCommandFile, ShSpecialCharactersReachTheTunerAsPlainText) {
  EXPECT_EQ(tunerCommandFile(ScriptDialect::Sh, "\"",
                             tuner("/tv/$HOME `id` \"q\" \\ Тюнер", "-m:tv;rm -rf ~", 5, "-fs")),
            "\"/tv/\\$HOME \\`id\\` \\\"q\\\" \\\\ Тюнер\" '-m:tv;rm -rf ~' -ch:5 -fs -wu \n"
            "rm -f -- \"$0\"\n");
  EXPECT_EQ(tunerCommandFile(ScriptDialect::Sh, "'", tuner("/it's", "-m:tv", 1, "")),
            "''\\''/it'\\''s'\\''' -m:tv -ch:1  -wu \nrm -f -- \"$0\"\n");
}

}  // namespace
}  // namespace kvirlo
