#include "app/App.h"

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

App::~App() {
  // The windows go first, silently: they hold timers on the clock.
  context_.observer = nullptr;
  graveyard_.clear();
  slug_.reset();
  about_.reset();
  player_.reset();
  form4_.reset();
  form2_.reset();
  form3_.reset();
  form1_.reset();
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
W& App::reference(std::unique_ptr<W>& slot) {
  if (!slot) {
    slot = std::make_unique<W>(*this);
    W& window = *slot;
    window.announce();
    window.Form_Load();
    return window;
  }
  return *slot;
}

Form1& App::form1() { return reference(form1_); }
Form2& App::form2() { return reference(form2_); }
Form3& App::form3() { return reference(form3_); }
Form4& App::form4() { return reference(form4_); }
Player& App::player() { return reference(player_); }
formAbout& App::about() { return reference(about_); }
frmSlug& App::slug() { return reference(slug_); }

Window* App::existing(WindowId id) const {
  switch (id) {
    case WindowId::Form1: return form1_.get();
    case WindowId::Form2: return form2_.get();
    case WindowId::Form3: return form3_.get();
    case WindowId::Form4: return form4_.get();
    case WindowId::Player: return player_.get();
    case WindowId::formAbout: return about_.get();
    case WindowId::frmSlug: return slug_.get();
  }
  return nullptr;
}

std::vector<Window*> App::windows() const {
  std::vector<Window*> all;
  for (WindowId id : {WindowId::Form1, WindowId::Form2, WindowId::Form3, WindowId::Form4,
                      WindowId::Player, WindowId::formAbout, WindowId::frmSlug})
    if (Window* w = existing(id)) all.push_back(w);
  return all;
}

template <typename W>
bool App::bury(std::unique_ptr<W>& slot, Window& window) {
  if (slot.get() != &window) return false;
  graveyard_.push_back(std::move(slot));
  return true;
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
  bury(form1_, window) || bury(form2_, window) || bury(form3_, window) ||
      bury(form4_, window) || bury(player_, window) || bury(about_, window) ||
      bury(slug_, window);
}

}  // namespace kvirlo
