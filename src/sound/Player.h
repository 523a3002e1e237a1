#pragma once

#include <cstdint>
#include <memory>

#include "platform/window/control.h"
#include "platform/services/media_player.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"

namespace kvirlo {

class App;

// The sound settings window, and the alarm's sound engine: the alert
// creates it hidden and unloads it to stop the sound.
class Player : public Window {
 public:
  explicit Player(App& app);

  void Form_Load() override;
  void Form_Unload() override;

  void Check1_Click();
  void Slider1_Scroll();
  void Slider2_Scroll();
  void Slider3_Scroll();
  void Command1_Click();  // choose the sound file
  void Command2_Click();  // speaker test on and off
  void Timer1_Timer();    // replays the file after it ends
  void Timer2_Timer();    // one tone a second

  // The alert's start of the sound-card alarm.
  void MediaPlayer1_Enable();
  // True once a sound-card alarm that could not play went over to the tone.
  bool fellBackToTone() const { return fellBack_; }

  Control Label1{*this, "Label1", ControlKind::Label,
                 "Установите ползунок регулятора громкости, с которой будет слышен звуковой "
                 "сигнал при напоминании."};
  Control Label2_0{*this, "Label2(0)", ControlKind::Label, "Min"};
  Control Slider1{*this, "Slider1", ControlKind::Slider};
  Control Label2_1{*this, "Label2(1)", ControlKind::Label, "Max"};
  Control Text1{*this, "Text1", ControlKind::TextBox};
  Control Command1{*this, "Command1", ControlKind::CommandButton};
  Control Line1{*this, "Line1", ControlKind::Line};
  Control Check1{*this, "Check1", ControlKind::CheckBox,
                 "Воспроизводить звук через динамик компьютера"};
  Control Label3_0{*this, "Label3(0)", ControlKind::Label, "Частота"};
  Control Label3_1{*this, "Label3(1)", ControlKind::Label, "Длительность"};
  Control Slider2{*this, "Slider2", ControlKind::Slider};
  Control Slider3{*this, "Slider3", ControlKind::Slider};
  Control Command2{*this, "Command2", ControlKind::CommandButton, "Проба звука"};

  std::unique_ptr<MediaPlayer> MediaPlayer1;
  Timer Timer1{*this, "Timer1", 100, true};
  Timer Timer2{*this, "Timer2", 1000, false};

 private:
  void enableSoundCardGroup(bool enabled);
  void enableSpeakerGroup(bool enabled);
  void beepNow();
  void fallBackIfSilent();

  App& app_;
  std::int64_t toneEndsAt_ = 0;  // steady clock, ms
  std::unique_ptr<ScheduledCall> deferredBeep_;
  bool alarm_ = false;     // sounding for the alert, not for the settings
  bool fellBack_ = false;
};

}  // namespace kvirlo
