#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/services/services.h"
#include "platform/services/tray_icons.h"
#include "platform/window/window.h"
#include "settings/SettingsRecord.h"

namespace kvirlo {

class Form1;
class Form2;
class Form3;
class Form4;
class Player;
class formAbout;
class frmSlug;

// The whole program: its seven windows, its shared state and the services it
// was given. It has no globals, so a test builds a fresh one on fakes.
class App : public WindowHost {
 public:
  explicit App(Services services, ModelObserver* observer = nullptr);
  ~App() override;
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Program start: loads the main window and shows it, unless the load
  // resumed a reminder that now waits quietly.
  void run();

  Services& services() { return services_; }
  ModelContext& context() { return context_; }
  void setObserver(ModelObserver* observer) { context_.observer = observer; }

  // Each reference to a window that does not exist creates it, hidden, and
  // runs its load step.
  Form1& form1();
  Form2& form2();
  Form3& form3();
  Form4& form4();
  Player& player();
  formAbout& about();
  frmSlug& slug();

  // The window if it exists, without creating it.
  Window* existing(WindowId id) const;
  bool exists(WindowId id) const { return existing(id) != nullptr; }
  // Every window that exists now, in a fixed order.
  std::vector<Window*> windows() const;

  // Runs the window's unload step and destroys it; the next reference
  // creates it afresh. Unloading a window that does not exist does nothing.
  void unload(Window& window) override;
  void unload(WindowId id);

  // Windows unloaded during an event are freed once the event is over; a
  // view calls this after each event it delivers.
  void collectGarbage() { graveyard_.clear(); }

  // Tells the user, once a run, that the settings file cannot be written.
  void tellSettingsUnsaved();

  // Shared state.
  SettingsRecord settings;
  std::string WinDir;
  std::string RunningState;
  double AlarmHour = 0;
  double AlarmMinute = 0;
  TrayIconRecord TrayIcon;
  // Where the indicator stood when it was last unloaded (twips): the alert
  // unloads it, and the next one opens there, as the user left it.
  struct Place {
    double left = 0;
    double top = 0;
  };
  std::optional<Place> indicatorPlace;

 private:
  void showSettingsUnsaved();
  template <typename W>
  W& reference(WindowId id);

  Services services_;
  ModelContext context_;
  bool toldSettingsUnsaved_ = false;
  std::unique_ptr<ScheduledCall> unsavedNotice_;
  std::vector<std::unique_ptr<Window>> graveyard_;
  std::array<std::unique_ptr<Window>, kWindowCount> windows_;  // a row each, by windowIndex()
};

}  // namespace kvirlo
