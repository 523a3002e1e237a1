#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/App.h"
#include "fakes/fakes.h"

namespace kvirlo::testing {

// A whole program on fakes: the services, and the App built on them.
struct World {
  FakeClock clock{FakeClock::at(10, 0)};
  FakeStore store;
  FakeAutostart autostart;
  FakeTray tray;
  FakeMessageBox boxes;
  FakeDialogs dialogs;
  FakePaths paths;
  FakeFiles files;
  FakeShell shell{files};
  FakeMedia media;
  FakeTone tone{clock};
  FakeProcess process;
  Services services{clock, store,  autostart, tray,  boxes, dialogs,
                    paths, files,  shell,     media, tone,  process};
  // The program, owned here or by whoever built it on these fakes.
  App* app = nullptr;

  std::unique_ptr<App> ownApp;

  // Starts the program as the system would. False when it ended during start-up.
  bool start();
  // Runs `action`; true when the program ended inside it.
  static bool ends(const std::function<void()>& action);

  std::string settingsPath() const { return "C:\\WINDOWS\\Kvir_Config.ini"; }
  std::string& settingsFile() { return files.files[settingsPath()]; }
  bool hasSettingsFile() const { return files.files.count(settingsPath()) > 0; }
  // A settings file in the program's format, from its 18 lines.
  void writeSettings(const std::vector<std::string>& lines);
  // Types a reminder into the main window and presses "Пуск".
  void startReminder(const std::string& text, const std::string& hour, const std::string& minute);
};

}  // namespace kvirlo::testing
