// The tuner's command file as cmd.exe really runs it, under a Russian
// Windows (the file is in OEM code page 866). For random tuner paths, modes,
// full-screen switches and channels the program writes the file beside
// itself and the system starts it; the tuner at the path is a stand-in that
// records its command line and the interpreter's. Each case is either
// refused (nothing written, nothing run; also where the path holds no
// program to start) or the stand-in receives exactly the line the program means,
// and no other file appears (the values hold commands that would leave one
// if cmd.exe ran them).

#include <gtest/gtest.h>

#include <set>

#include "alert/tuner_launch.h"
#include "app/Form1.h"
#include "command_file/random_values.h"
#include "platform/win32/shell.h"
#include "platform/win32/text.h"
#include "win32/win32_world.h"

namespace kvirlo::testing {
namespace {

using win32::utf8;
using win32::wide;

std::string folderOfThisProgram() {
  wchar_t name[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, name, MAX_PATH);
  const std::wstring path(name, length);
  return utf8(path.substr(0, path.rfind(L'\\')));
}

std::string tempFolder() {
  wchar_t name[MAX_PATH];
  const DWORD length = GetTempPathW(MAX_PATH, name);
  return utf8(std::wstring(name, length)) + "kvirlo-cmd";
}

bool exists(const std::string& path) {
  return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Every file and folder below `folder`, or in it alone.
void list(const std::string& folder, bool deep, std::set<std::string>& into) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(wide(folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = utf8(found.cFileName);
    if (name == "." || name == "..") continue;
    into.insert(folder + "\\" + name);
    if (deep && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      list(folder + "\\" + name, true, into);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

void removeTree(const std::string& folder) {
  std::set<std::string> all;
  list(folder, true, all);
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    DeleteFileW(wide(*it).c_str());
    RemoveDirectoryW(wide(*it).c_str());
  }
  RemoveDirectoryW(wide(folder).c_str());
}

// Characters code page 866 has no place for: a file holding one is refused.
const char* const kBeyondOem[] = {"€", "ü", "é", "中", "ß"};

// A tuner path of one to four folders below `root` in characters a Windows
// name may hold; now and then one that cannot be passed.
std::string randomPath(RandomValues& random, const std::string& root, bool& beyondOem,
                       bool& unpassable) {
  std::string path = root;
  const int depth = 1 + random.below(4);
  for (int i = 0; i < depth; ++i) {
    std::string name = random.text(1 + random.below(4), "\\/:*?\"<>|\r\n\t");
    // At most 40 bytes, and no character cut in two.
    std::size_t end = std::min<std::size_t>(name.size(), 40);
    while (end < name.size() && (name[end] & 0xC0) == 0x80) --end;
    name.resize(end);
    if (random.chance(4)) {
      name += kBeyondOem[random.below(5)];
      beyondOem = true;
    }
    // Windows drops trailing blanks and dots from a name.
    if (name.empty() || name.back() == ' ' || name.back() == '.') name += "x";
    path += "\\" + name;
  }
  if (random.chance(4)) {
    path += random.chance(50) ? "\"" : "\r\n";
    unpassable = true;
  }
  return path + ".exe";
}

struct CmdCommandFile : ::testing::Test {
  CmdCommandFile() {
    forgetEverything();
    CreateDirectoryW(wide(scratch).c_str(), nullptr);
    SetEnvironmentVariableW(L"KVIRLO_TUNER_LOG", wide(log).c_str());
  }
  ~CmdCommandFile() override {
    SetEnvironmentVariableW(L"KVIRLO_TUNER_LOG", nullptr);
    removeTree(scratch);
    forgetEverything();
  }

  // The files a case may touch: the program's folder and the tuners'.
  std::set<std::string> everything() {
    std::set<std::string> all;
    list(programFolder, false, all);
    list(scratch, true, all);
    return all;
  }

  std::string programFolder = folderOfThisProgram();
  std::string standIn = programFolder + "\\kvirlo_standin_tuner.exe";
  std::string scratch = tempFolder();
  std::string log = scratch + ".log";
  Win32World world;
};

TEST_F(CmdCommandFile, RandomValuesReachTheTunerAsTheyAreOrNothingRuns) {
  ASSERT_TRUE(exists(standIn));
  ASSERT_EQ(world.app->form1().Text6.text(), "\"");
  const std::string commandFile = programFolder + "\\~.cmd";
  win32::Win32Shell system;
  wchar_t systemFolder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(systemFolder, MAX_PATH);
  const std::string interpreter = "\"" + utf8(std::wstring(systemFolder, length)) + "\\cmd.exe\"";
  int refused = 0;
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    SCOPED_TRACE("case " + std::to_string(seed));
    RandomValues random(seed, "type nul>injected");
    bool beyondOem = false;
    bool unpassable = false;
    SettingsRecord& s = world.app->settings;
    s.TunerPath = randomPath(random, scratch + "\\tuners", beyondOem, unpassable);
    s.TunerMode = random.chance(30) ? "-m:tv" : random.text(random.below(5));
    if (random.chance(3)) s.TunerMode += '\0' + random.text(1);  // as a settings file may hold
    s.TunerFullScreen = random.chance(30) ? "-fs" : random.text(random.below(4));
    s.TunerChannel = random.channel();
    for (const std::string& value : {s.TunerMode, s.TunerFullScreen})
      unpassable = unpassable || value.find_first_of(std::string_view("\"\r\n\0", 4)) != std::string::npos;
    // Now and then no program to start at the path: cmd.exe's own command
    // of that name (with a program of that name where cmd.exe runs), nothing,
    // a folder.
    const int missing = random.chance(15) ? 1 + random.below(3) : 0;
    if (missing == 1) s.TunerPath = random.chance(50) ? "call" : "start";
    const std::string tuner = missing == 1 ? programFolder + "\\" + s.TunerPath : s.TunerPath;
    if (!unpassable && !beyondOem) {
      const std::wstring path = wide(tuner);
      for (std::size_t at = path.find(L'\\', 3); at != std::wstring::npos; at = path.find(L'\\', at + 1))
        CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
      if (missing == 3) CreateDirectoryW(path.c_str(), nullptr);
      if (missing <= 1) {
        ASSERT_TRUE(CopyFileW(wide(standIn).c_str(), path.c_str(), FALSE)) << tuner;
      }
    }
    DeleteFileW(wide(log).c_str());
    const auto before = everything();
    world.shell.runs.clear();

    const bool started = LaunchTuner(*world.app);

    if (missing || unpassable || beyondOem) {
      ++refused;
      EXPECT_FALSE(started);
      EXPECT_TRUE(world.shell.runs.empty());
    } else {
      ASSERT_TRUE(started) << s.TunerPath << " | " << s.TunerMode << " | " << s.TunerFullScreen;
      ASSERT_EQ(world.shell.runs.size(), 1u);
      ASSERT_TRUE(system.runCommandFile(world.shell.runs[0].path, world.shell.runs[0].workingDirectory));
      // The file's last line removes it once the tuner has returned.
      for (int waited = 0; exists(commandFile) && waited < 10000; waited += 10) Sleep(10);
      // cmd.exe started without the registry's AutoRun commands and with
      // "!" a plain character, whatever the registry says.
      EXPECT_EQ(Win32World::bytesOf(log), "\"" + s.TunerPath + "\" " + s.TunerMode + " -ch:" +
                                     std::to_string(s.TunerChannel) + " " + s.TunerFullScreen +
                                     " -wu \n" + interpreter + " /D /V:OFF /C .\\~.cmd");
    }
    EXPECT_EQ(everything(), before);
    if (::testing::Test::HasFailure()) break;
    removeTree(scratch + "\\tuners");
    if (missing == 1) DeleteFileW(wide(tuner).c_str());
  }
  if (!::testing::Test::HasFailure()) {
    EXPECT_GT(refused, 20);
    EXPECT_LT(refused, 180);
  }
}

}  // namespace
}  // namespace kvirlo::testing
