#pragma once

#include <QObject>
#include <QSettings>
#include <functional>
#include <memory>

#include "platform/event_gate.h"
#include "platform/qt/PosixFiles.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtMedia.h"
#include "platform/services.h"

class QSystemTrayIcon;

namespace kvirlo::qt {

// The per-user store: an INI file under the XDG config home, group "Config".
class QtStore : public UserStore {
 public:
  QtStore();
  std::string get(const std::string& key) override;
  void set(const std::string& key, const std::string& value) override;

 private:
  QSettings settings_;
};

// Start at logon: an XDG autostart entry named after the title.
class XdgAutostart : public Autostart {
 public:
  explicit XdgAutostart(FileSystem& files) : files_(files) {}
  void add(const std::string& name, const std::string& executablePath) override;
  void remove(const std::string& name) override;
  static std::string entryPath(const std::string& name);
  // The Exec line's value for a program path, quoted for the desktop entry format.
  static std::string execValue(const std::string& path);

 private:
  FileSystem& files_;
};

class QtTray : public TrayIcons {
 public:
  explicit QtTray(EventGate& gate);
  ~QtTray() override;
  void add(const TrayIconRecord& icon) override;
  void remove(const TrayIconRecord& icon) override;
  bool available() override;
  // A mouse button on the icon, as the program numbers them.
  std::function<void(int button)> onMouse;

 private:
  EventGate& gate_;
  QSystemTrayIcon* icon_ = nullptr;
};

class QtMessageBox : public MessageBox {
 public:
  int show(const std::string& text, int flags, const std::string& title) override;
};

class QtDialogs : public Dialogs {
 public:
  std::optional<std::string> openFile(const FileDialogRequest& request) override;
  std::optional<Colour> chooseColour(Colour initial) override;
};

// The program's folders: its data folder under the XDG data home stands
// where the Windows program uses the Windows directory.
class LinuxPaths : public Paths {
 public:
  std::string windowsDirectory() override;
  std::string programDirectory() override;
  std::string executableBaseName() override;
  std::string executableExtension() override { return ""; }
  char separator() override { return '/'; }
};

class QtShell : public Shell {
 public:
  explicit QtShell(EventGate& gate) : gate_(gate) {}
  ScriptDialect dialect() override { return ScriptDialect::Sh; }
  bool runCommandFile(const std::string& path, const std::string& workingDirectory) override;
  void openWebAddress(const std::string& address, std::function<void()> failed) override;

 private:
  EventGate& gate_;
};

class LinuxProcess : public Process {
 public:
  [[noreturn]] void end() override;
};

// Every service of the Linux program, built together.
class LinuxServices {
 public:
  explicit LinuxServices(EventGate& gate);
  Services services();

  QtClock clock;
  QtStore store;
  PosixFiles files;
  XdgAutostart autostart{files};
  QtTray tray;
  QtMessageBox messageBox;
  QtDialogs dialogs;
  LinuxPaths paths;
  QtShell shell;
  QtMediaPlayers media;
  QtTone tone;
  LinuxProcess process;
};

}  // namespace kvirlo::qt
