#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "platform/services/services.h"
#include "platform/window/event_gate.h"

namespace kvirlo::testing {

// Thrown where the real program would end: nothing after it runs.
struct ProcessEnded {};

// A gate that delivers events to a program on the stand-in below takes its
// end for the end of the program: no event runs after it, and it is no fault.
inline void endWithTheStandIn(EventGate& gate) {
  gate.onFault = [&gate](std::exception_ptr fault) {
    try {
      std::rethrow_exception(fault);
    } catch (const ProcessEnded&) {
      gate.close();
    } catch (...) {
      EventGate::report(fault);
    }
  };
}

class FakeProcess : public Process {
 public:
  [[noreturn]] void end() override {
    ++ends;
    throw ProcessEnded{};
  }
  int ends = 0;
};

class FakeStore : public UserStore {
 public:
  std::string get(const std::string& key) override {
    auto it = values.find(key);
    return it == values.end() ? "" : it->second;
  }
  void set(const std::string& key, const std::string& value) override {
    values[key] = value;
    writes.push_back(key + "=" + value);
    if (onSet) onSet(key, value);
  }
  std::function<void(const std::string&, const std::string&)> onSet;
  std::map<std::string, std::string> values;
  std::vector<std::string> writes;
};

class FakeAutostart : public Autostart {
 public:
  void add(const std::string& name, const std::string& path) override { entries[name] = path; }
  void remove(const std::string& name) override {
    entries.erase(name);
    ++removals;
  }
  std::map<std::string, std::string> entries;
  int removals = 0;
};

class FakeTray : public TrayIcons {
 public:
  void add(const TrayIconRecord& icon) override {
    ++adds;
    if (icon.filled) icons.insert(icon.id);
    tip = icon.tip;
    menu = icon.menu;
  }
  void remove(const TrayIconRecord& icon) override {
    ++removes;
    if (icon.filled) icons.erase(icon.id);
  }
  bool available() override { return hasArea; }
  std::set<int> icons;
  std::string tip;
  MenuItem* menu = nullptr;
  int adds = 0;
  int removes = 0;
  bool hasArea = true;
};

struct Box {
  std::string text;
  int flags;
  std::string title;
};

// Records every box; answers from a script, and fails the test on a box
// nobody scripted.
class FakeMessageBox : public MessageBox {
 public:
  int show(const std::string& text, int flags, const std::string& title) override;
  void answer(int button) { answers.push_back(button); }
  // Runs while a box is open, as the events a real box's own loop lets through.
  std::function<void()> whileOpen;
  std::vector<Box> shown;
  std::deque<int> answers;
};

class FakeDialogs : public Dialogs {
 public:
  std::optional<std::string> openFile(const FileDialogRequest& request) override;
  std::optional<Colour> chooseColour(Colour initial) override;
  std::deque<std::optional<std::string>> files;
  std::deque<std::optional<Colour>> colours;
  std::vector<FileDialogRequest> fileRequests;
  std::vector<Colour> colourRequests;
};

class FakePaths : public Paths {
 public:
  std::string windowsDirectory() override { return windowsDir; }
  std::string programDirectory() override { return programDir; }
  std::string executableBaseName() override { return baseName; }
  std::string executableExtension() override { return extension; }
  char separator() override { return sep; }
  std::string settingsFallbackDirectory() override { return fallbackDir; }
  std::string fallbackDir;
  std::string windowsDir = "C:\\WINDOWS";
  std::string programDir = "C:\\Program Files\\Kvirlo";
  std::string baseName = "kvirlo";
  std::string extension = ".exe";
  char sep = '\\';
};

class FakeFiles : public FileSystem {
 public:
  std::optional<std::string> read(const std::string& path, std::size_t maxBytes) override;
  bool replace(const std::string& path, const std::string& text) override;
  bool isProgram(const std::string& path) override { return programs.count(path) > 0; }
  std::map<std::string, std::string> files;
  std::set<std::string> programs;  // the programs installed
  std::set<std::string> readOnly;  // paths whose replacement fails
  int replacements = 0;
};

struct CommandRun {
  std::string path;
  std::string workingDirectory;
  std::string text;  // the file as it stood when it was started
};

class FakeShell : public Shell {
 public:
  explicit FakeShell(FakeFiles& files) : files_(files) {}
  ScriptDialect dialect() override { return scriptDialect; }
  bool runCommandFile(const std::string& path, const std::string& workingDirectory) override;
  void openWebAddress(const std::string& address, std::function<void()> failed) override {
    addresses.push_back(address);
    if (!browser) failed();
  }
  ScriptDialect scriptDialect = ScriptDialect::Cmd;
  bool browser = true;  // false: no program opens web addresses
  std::vector<CommandRun> runs;
  std::vector<std::string> addresses;

 private:
  FakeFiles& files_;
};

// The media players the program made, their state and what was done to them.
class FakeMedia : public MediaPlayers {
 public:
  std::unique_ptr<MediaPlayer> create() override;
  int alive = 0;
  int created = 0;
  bool playing = false;
  bool enabled = false;
  std::string file;
  int volume = -600;  // the player's own default
  int starts = 0;     // playbacks started from the beginning
  std::set<std::string> unplayable;
  // The sound reaches its end.
  void finish() { playing = false; }
};

struct ToneCall {
  int frequency;
  int duration;
  std::int64_t at;  // steady ms
};

class FakeTone : public Tone {
 public:
  explicit FakeTone(Clock& clock) : clock_(clock) {}
  void beep(int frequency, int duration) override {
    tones.push_back({frequency, duration, clock_.steadyMilliseconds()});
  }
  std::vector<ToneCall> tones;

 private:
  Clock& clock_;
};

}  // namespace kvirlo::testing
