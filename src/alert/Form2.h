#pragma once

#include <cstdint>
#include <memory>

#include "platform/window/control.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"

namespace kvirlo {

class App;

// The alert: top-most, the reminder text, a blinking caption and the alarm.
class Form2 : public Window {
 public:
  explicit Form2(App& app);

  void Form_Load() override;
  void Form_Unload() override;
  void Command1_Click();  // "Выход"
  void Command2_Click();  // "Продолжить"
  void Timer1_Timer();

  Control Image1{*this, "Image1", ControlKind::Picture};
  Control Label1{*this, "Label1", ControlKind::Label, "Время - деньги !!!"};
  Control Text1{*this, "Text1", ControlKind::TextBox, "Text1"};
  Control Command2{*this, "Command2", ControlKind::CommandButton, "Продолжить"};
  Control Command1{*this, "Command1", ControlKind::CommandButton, "Выход"};
  Timer Timer1{*this, "Timer1", 100, false};

  std::int16_t BlinkState = 0;

 private:
  void startAlarm();

  App& app_;
  std::unique_ptr<ScheduledCall> alarmStart_;
};

}  // namespace kvirlo
