#pragma once

// The Windows program's real views and services on a real (Wine) desktop,
// with the parts a test cannot let loose replaced: message boxes answer
// from a script, the end of the process throws, command files are recorded
// instead of run.

#include <string>
#include <vector>

#include "app/App.h"
#include "app/Program.h"
#include "fakes/fakes.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32ViewFactory.h"
#include "platform/win32/handles.h"
#include "platform/win32/win.h"

namespace kvirlo::testing {

class RecordingShell : public Shell {
 public:
  ScriptDialect dialect() override { return ScriptDialect::Cmd; }
  bool runCommandFile(const std::string& path, const std::string& folder) override {
    runs.push_back({path, folder, ""});
    return true;
  }
  void openWebAddress(const std::string& address, std::function<void()>) override {
    addresses.push_back(address);
  }
  std::vector<CommandRun> runs;
  std::vector<std::string> addresses;
};

// Removes what a run of the program leaves in the registry and on disk.
void forgetEverything();

struct Win32World {
  Win32World();
  ~Win32World();

  // Lets the windows handle what is waiting for them, for `ms` milliseconds.
  void pump(int ms = 50);
  win32::WindowView* viewOf(const Window& window) const;
  HWND windowOf(const Window& window) const;
  HWND controlOf(const Control& control) const;
  static std::wstring textOf(HWND hwnd);
  // A file's bytes (the first 64 KiB), or "<missing>".
  static std::string bytesOf(const std::string& path);
  // Runs `action`, which may end the program; true when it did.
  bool ends(const std::function<void()>& action);

  win32::FontHandle font;
  win32::Win32ViewFactory views;
  Program program{views};
  EventGate& gate = program.gate();
  win32::Win32Services system{gate};
  FakeMessageBox messageBox;
  FakeDialogs dialogs;
  RecordingShell shell;
  FakeProcess process;
  Services services{system.clock, system.store, system.autostart, system.tray, messageBox,
                    dialogs,      system.paths, system.files,     shell,       system.media,
                    system.tone,  process};
  App* app = nullptr;
};

}  // namespace kvirlo::testing
