#pragma once

#include "platform/window/control.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"

namespace kvirlo {

class App;

// The countdown indicator: a tiny borderless window with the minutes left.
class Form3 : public Window {
 public:
  explicit Form3(App& app);

  static constexpr double DesignLeft = 10560;
  static constexpr double DesignTop = 0;

  void Form_Activate() override;
  void Form_Unload() override;
  void Timer1_Timer();
  void Label1_MouseDown(int button);
  void Label2_MouseDown(int button);
  void Picture1_Click();
  // Writes the minutes left into Label2.
  void refreshCount();

  Control Label1{*this, "Label1", ControlKind::Label, "До напоминания"};
  Control Label2{*this, "Label2", ControlKind::Label};
  Control Picture1{*this, "Picture1", ControlKind::Picture};

  // The count can change only when a minute starts or the clock is set, so
  // that is when it is refreshed (with the time watch, in the same wake-up);
  // the first refresh comes a second after the window is created, or at once
  // when it is shown.
  Timer Timer1{*this, "Timer1", 1000, true, Timer::Cadence::MinuteStarts, Milliseconds(1000)};

 private:
  App& app_;
};

}  // namespace kvirlo
