#include "app/App.h"

#include <iterator>

#include "alert/Form2.h"
#include "app/Form1.h"
#include "app/texts.h"
#include "settings/settings_file.h"
#include "indicator/Form3.h"
#include "indicator/Form4.h"
#include "sound/Player.h"
#include "tray/formAbout.h"
#include "tray/frmSlug.h"

namespace kvirlo {

App::App(Services services, ModelObserver* observer)
    : services_(services), context_{services.clock, *this, observer} {}

namespace {

// The order in which the windows go at the end, the main window last.
constexpr WindowId kTeardownOrder[] = {WindowId::frmSlug, WindowId::formAbout, WindowId::Player,
                                       WindowId::Form4,   WindowId::Form2,     WindowId::Form3,
                                       WindowId::Form1};
static_assert(std::size(kTeardownOrder) == kWindowCount, "every window has its place in the teardown");

}  // namespace

App::~App() {
  // The windows go first, silently: they hold timers on the clock.
  context_.observer = nullptr;
  graveyard_.clear();
  for (WindowId id : kTeardownOrder) windows_[windowIndex(id)].reset();
}

void App::run() {
  Form1& main = form1();
  // A reminder resumed at start-up goes back to waiting quietly, as it was
  // before the machine went down; otherwise the user meets the main window.
  if (!main.Timer1.enabled()) main.show();
}

void App::tellSettingsUnsaved() {
  if (toldSettingsUnsaved_) return;
  toldSettingsUnsaved_ = true;
  // Said once the start is over: a message box runs its own event loop, and
  // the time watch the start has just armed must not fire inside the start.
  unsavedNotice_ = services_.clock.once(Milliseconds(0), [this] { showSettingsUnsaved(); });
}

void App::showSettingsUnsaved() {
  services_.messageBox.show("Не удаётся сохранить настройки в файл " + WinDir + kSettingsFileName +
                                ".\r\nНапоминание работает, но изменённые настройки будут "
                                "действовать только до выхода из программы.",
                            mb::Exclamation, texts::AppTitle);
}

template <typename W>
W& App::reference(WindowId id) {
  std::unique_ptr<Window>& slot = windows_[windowIndex(id)];
  if (!slot) {
    auto made = std::make_unique<W>(*this);
    W& window = *made;
    slot = std::move(made);
    window.announce();
    window.Form_Load();
    return window;
  }
  return static_cast<W&>(*slot);
}

Form1& App::form1() { return reference<Form1>(WindowId::Form1); }
Form2& App::form2() { return reference<Form2>(WindowId::Form2); }
Form3& App::form3() { return reference<Form3>(WindowId::Form3); }
Form4& App::form4() { return reference<Form4>(WindowId::Form4); }
Player& App::player() { return reference<Player>(WindowId::Player); }
formAbout& App::about() { return reference<formAbout>(WindowId::formAbout); }
frmSlug& App::slug() { return reference<frmSlug>(WindowId::frmSlug); }

Window* App::existing(WindowId id) const {
  const std::size_t row = windowIndex(id);
  return row < windows_.size() ? windows_[row].get() : nullptr;
}

std::vector<Window*> App::windows() const {
  std::vector<Window*> all;
  for (const auto& window : windows_)
    if (window) all.push_back(window.get());
  return all;
}

void App::unload(WindowId id) {
  if (Window* w = existing(id)) unload(*w);
}

void App::unload(Window& window) {
  if (window.isUnloaded() || existing(window.id()) != &window) return;
  window.Form_Unload();
  // The unload step may have unloaded the window itself already.
  if (window.isUnloaded() || existing(window.id()) != &window) return;
  window.markUnloaded();
  graveyard_.push_back(std::move(windows_[windowIndex(window.id())]));
}

}  // namespace kvirlo
