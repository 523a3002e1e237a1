// The tuner's command file as /bin/sh really runs it. For random tuner
// paths, modes, full-screen switches and channels the program builds and
// writes the file as on Linux, and /bin/sh runs it in its folder; the tuner
// at the path is a stand-in that records its arguments. Each case is either
// refused (nothing written, nothing run; also where the path holds no
// program to start) or the stand-in receives exactly
// the path and the values, one argument each, and no other file appears
// (the values hold commands that would leave one if the shell ran them).

#include <functional>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "alert/tuner_launch.h"
#include "app/App.h"
#include "app/Form1.h"
#include "command_file/random_values.h"
#include "fakes/fakes.h"
#include "platform/qt/file_system.h"

namespace kvirlo::testing {
namespace {

namespace fs = std::filesystem;

// Runs a command file as the Linux program starts it (/bin/sh FILE, in the
// file's folder), but waits for it.
class WaitingSh : public Shell {
 public:
  ScriptDialect dialect() override { return ScriptDialect::Sh; }
  bool runCommandFile(const std::string& path, const std::string& folder) override {
    ++runs;
    const pid_t pid = fork();
    if (pid == 0) {
      if (chdir(folder.c_str()) == 0) execl("/bin/sh", "/bin/sh", path.c_str(), nullptr);
      _exit(127);
    }
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid;
  }
  void openWebAddress(const std::string&, std::function<void()>) override {}
  int runs = 0;
};

std::set<std::string> everythingIn(const fs::path& folder) {
  std::set<std::string> paths;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) paths.insert(entry.path());
  return paths;
}

std::string contentsOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// What no command line can carry: a line break, or a NUL (which a settings
// file may hold).
bool unpassable(const std::string& s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos;
}

// A tuner path of one to twelve folders below `root`, each up to 200 bytes
// of anything a Linux name may hold.
std::string randomPath(RandomValues& random, const std::string& root) {
  std::string path = root;
  const int depth = 1 + random.below(12);
  // Line breaks now and then: a path holding one is always refused.
  const char* forbidden = random.chance(10) ? "/" : "/\r\n";
  for (int i = 0; i < depth; ++i) {
    std::string name = random.text(1 + random.below(6), forbidden);
    if (random.chance(10)) name += random.anyByte();
    name.erase(std::remove(name.begin(), name.end(), '/'), name.end());
    name = name.substr(0, 200);
    if (name.empty() || name == "." || name == "..") name += "x";
    path += "/" + name;
  }
  return path;
}

struct ShCommandFile : ::testing::Test {
  ShCommandFile() {
    // In memory where there is such a place: each case's file is flushed to disk.
    std::string pattern = fs::is_directory("/dev/shm") ? "/dev/shm/kvirlo-sh-XXXXXX"
                                                       : "/tmp/kvirlo-sh-XXXXXX";
    folder = mkdtemp(pattern.data());
    log = folder + ".log";
    paths.windowsDir = folder;
    paths.sep = '/';
    setenv("KVIRLO_TUNER_LOG", log.c_str(), 1);
  }
  ~ShCommandFile() override {
    unsetenv("KVIRLO_TUNER_LOG");
    fs::remove_all(folder);
    fs::remove(log);
  }

  std::string folder;
  std::string log;
  FakeClock clock;
  FakeStore store;
  FakeAutostart autostart;
  FakeTray tray;
  FakeMessageBox boxes;
  FakeDialogs dialogs;
  FakePaths paths;
  qt::PosixFiles files;
  WaitingSh shell;
  FakeMedia media;
  FakeTone tone{clock};
  FakeProcess process;
  App app{{clock, store, autostart, tray, boxes, dialogs, paths, files, shell, media, tone,
           process}};
};

TEST_F(ShCommandFile, RandomValuesReachTheTunerAsTheyAreOrNothingRuns) {
  ASSERT_EQ(app.form1().Text6.text(), "\"");
  const std::string tuners = folder + "/tuners";
  int refused = 0;
  for (std::uint32_t seed = 1; seed <= 400; ++seed) {
    SCOPED_TRACE("case " + std::to_string(seed));
    RandomValues random(seed, "touch injected");
    SettingsRecord& s = app.settings;
    s.TunerPath = randomPath(random, tuners);
    s.TunerMode = random.chance(30) ? "-m:tv" : random.text(random.below(5));
    if (random.chance(3)) s.TunerMode += '\0' + random.text(1);
    s.TunerFullScreen = random.chance(30) ? "-fs" : random.text(random.below(4));
    s.TunerChannel = random.channel();
    // Now and then no program to start at the path: the shell's own
    // command of that name, nothing, a folder, a file that may not be run.
    const int missing = random.chance(20) ? 1 + random.below(4) : 0;
    if (missing == 1) s.TunerPath = random.chance(50) ? "eval" : "exec";
    const std::string tuner = missing == 1 ? folder + "/" + s.TunerPath : s.TunerPath;
    fs::create_directories(fs::path(tuner).parent_path());
    if (missing == 3) fs::create_directory(tuner);
    if (missing == 4) {
      fs::copy_file(STANDIN_TUNER, tuner);
      fs::permissions(tuner, fs::perms::owner_read);
    }
    if (missing <= 1) fs::create_symlink(STANDIN_TUNER, tuner);
    fs::remove(log);
    const auto before = everythingIn(folder);
    const int runsBefore = shell.runs;

    const bool started = LaunchTuner(app);

    if (missing || unpassable(s.TunerPath) || unpassable(s.TunerMode) ||
        unpassable(s.TunerFullScreen)) {
      ++refused;
      EXPECT_FALSE(started);
      EXPECT_EQ(shell.runs, runsBefore);
    } else {
      EXPECT_TRUE(started);
      std::string expected = s.TunerPath + '\0';
      if (!s.TunerMode.empty()) expected += s.TunerMode + '\0';
      expected += "-ch:" + std::to_string(s.TunerChannel) + '\0';
      if (!s.TunerFullScreen.empty()) expected += s.TunerFullScreen + '\0';
      expected += std::string("-wu") + '\0';
      EXPECT_EQ(contentsOf(log), expected);
    }
    // Nothing new: the command file removed itself, no command left a file.
    EXPECT_EQ(everythingIn(folder), before);
    if (::testing::Test::HasFailure()) break;
    fs::remove_all(tuners);
    if (missing == 1) fs::remove(tuner);
  }
  // Both kinds of case occurred.
  if (!::testing::Test::HasFailure()) {
    EXPECT_GT(refused, 20);
    EXPECT_LT(refused, 380);
  }
}

}  // namespace
}  // namespace kvirlo::testing
