#pragma once

#include "platform/window/control.h"
#include "platform/window/menu_item.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"

namespace kvirlo {

class App;

// The main window: where the user writes a reminder, the tuner options, and
// the program's start-up object. Its handlers live in one file per group,
// named at each group below.
class Form1 : public Window {
 public:
  explicit Form1(App& app);

  // Outer heights of the two layouts (twips).
  static constexpr double CompactHeight = 2865;
  static constexpr double ExtendedHeight = 4905;
  // Design colours: the window and its frames, and the text fields.
  static constexpr Colour DesignFormColour = rgb(0xE0, 0xE0, 0xE0);
  static constexpr Colour DesignFieldColour = rgb(0xFF, 0xFF, 0xFF);

  // Start-up and activation (app/Form1.cpp, with the layout and the wiring).
  void Form_Load() override;
  void Form_Activate() override;
  // Any close request, whatever its reason, ends the program.
  void Form_QueryUnload() override;

  // Starting a reminder (app/start_reminder.cpp) and watching for its minute
  // (app/time_watch.cpp).
  void Command1_Click();
  void Timer1_Timer();

  // Popup menu and indicator options (app/main_menu.cpp).
  void Form_MouseUp(int button) override;
  // Shift+F10 and the Menu key open the same menu, from any control.
  MenuItem* keyboardMenu() override { return &mnuMeny; }
  void Frame3_MouseUp(int button);
  void Frame1_MouseUp(int button);
  void mnuAbout_Click();
  void mnuSound_Click();
  void mnuExit_Click();
  void Check1_Click();

  // Tuner options (settings/tuner_options.cpp).
  void Check3_Click();
  void Check5_Click();
  void Check6_Click();
  void Option1_Click();
  void Option2_Click();
  void Command4_Click();
  void Text4_Change();
  void UpDown1_Change(int step);
  void Text4_KeyDown(int key);

  // Colours and layout (settings/colours_layout.cpp).
  void mnuFormColor_Click();
  void mnuTextPoleColor_Click();
  void Command3_Click();

  // Time fields (settings/time_fields.cpp).
  void Text2_Change();
  void Text2_KeyDown(int key);
  void Text3_KeyDown(int key);

  // The controls that FormColor and FieldColor paint, in the order they are
  // painted (settings/colours_layout.cpp).
  std::vector<Control*> formColorControls();
  std::vector<Control*> fieldColorControls();
  // Paints the window and its FormColor controls, or the five text fields.
  void paintFormColor(double colour);
  void paintFieldColor(double colour);

  // Controls, frame by frame.
  Control Frame4{*this, "Frame4", ControlKind::Frame, "Текст напоминания:"};
  Control Text1{*this, "Text1", ControlKind::TextBox};

  Control Frame3{*this, "Frame3", ControlKind::Frame, "Опции напоминания"};
  Control Text2{*this, "Text2", ControlKind::TextBox};
  Control Label4{*this, "Label4", ControlKind::Label, "Час."};
  Control Text3{*this, "Text3", ControlKind::TextBox};
  Control Label5{*this, "Label5", ControlKind::Label, "Мни."};
  Control Command1{*this, "Command1", ControlKind::CommandButton, "Пуск"};
  Control Check1{*this, "Check1", ControlKind::CheckBox, "Показывать индикатор времени."};
  Control Check2{*this, "Check2", ControlKind::CheckBox, "Индикатор поверх остальных окон."};
  Control Command3{*this, "Command3", ControlKind::CommandButton, "Дополнительно"};

  Control Line1{*this, "Line1", ControlKind::Line};

  Control Frame1{*this, "Frame1", ControlKind::Frame, "Управление тюнером Behold TV"};
  Control Check3{*this, "Check3", ControlKind::CheckBox, "Включить TV тюнер при напоминании"};
  Control Label9{*this, "Label9", ControlKind::Label, "Укажите путь к программе TV тюнера"};
  Control Text5{*this, "Text5", ControlKind::TextBox};
  Control Command4{*this, "Command4", ControlKind::CommandButton, "..."};
  Control Frame2{*this, "Frame2", ControlKind::Frame};
  Control Label7{*this, "Label7", ControlKind::Label, "Канал"};
  Control Text4{*this, "Text4", ControlKind::TextBox};
  Control UpDown1{*this, "UpDown1", ControlKind::UpDown};
  Control Option1{*this, "Option1", ControlKind::OptionButton, "Режим TV"};
  Control Option2{*this, "Option2", ControlKind::OptionButton, "Режим FM"};
  Control Check5{*this, "Check5", ControlKind::CheckBox, "Установить полноэкранный режим"};
  Control Check6{*this, "Check6", ControlKind::CheckBox, "Отключить основное напоминание"};
  Control Text6{*this, "Text6", ControlKind::TextBox, "\""};

  // The time watch. It is on only while a reminder waits, and it looks at
  // the clock just after the start, at each minute's start and whenever the
  // clock is set, which is every moment its answer can change.
  Timer Timer1{*this, "Timer1", 10, false, Timer::Cadence::MinuteStarts};

  MenuItem mnuMeny{*this, "mnuMeny", "mnu"};
  MenuItem mnuAbout{mnuMeny, "mnuAbout", "О программе"};
  MenuItem mnuSep{mnuMeny, "mnuSep", "-"};
  MenuItem mnuManual{mnuMeny, "mnuManual", "Настройки"};
  MenuItem mnuFormColor{mnuManual, "mnuFormColor", "Цвет формы"};
  MenuItem mnuTextPoleColor{mnuManual, "mnuTextPoleColor", "Цвет окон ввода"};
  MenuItem mnusep2{mnuManual, "mnusep2", "-"};
  MenuItem mnuSound{mnuManual, "mnuSound", "Звуковой сигнал"};
  MenuItem mnusep1{mnuMeny, "mnusep1", "-"};
  MenuItem mnuExit{mnuMeny, "mnuExit", "Выход"};

 private:
  void layOut();
  void wireHandlers();

  App& app_;
  Colour colourDialogLast_ = 0;  // both colour entries share one dialog
};

}  // namespace kvirlo
