#pragma once

#include "platform/window/control.h"
#include "platform/window/window.h"

namespace kvirlo {

class App;

// The action dialog behind the indicator's close box: hide the indicator,
// change the reminder, or end the program.
class Form4 : public Window {
 public:
  explicit Form4(App& app);

  void Form_Load() override;
  void Command1_Click();
  void Command2_Click();

  Control Frame1{*this, "Frame1", ControlKind::Frame, "Укажите желаемое действие:"};
  Control Option1{*this, "Option1", ControlKind::OptionButton, "Скрыть индикатор времени"};
  Control Option2{*this, "Option2", ControlKind::OptionButton, "Изменить условия напоминания"};
  Control Option3{*this, "Option3", ControlKind::OptionButton, "Завыершить работу программы"};
  Control Command1{*this, "Command1", ControlKind::CommandButton, "Поехали"};
  Control Command2{*this, "Command2", ControlKind::CommandButton, "Отмена"};

 private:
  App& app_;
};

}  // namespace kvirlo
