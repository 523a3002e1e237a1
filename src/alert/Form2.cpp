#include "alert/Form2.h"

#include <string>

#include "alert/tuner_launch.h"
#include "app/App.h"
#include "app/Form1.h"
#include "app/shutdown.h"
#include "app/texts.h"
#include "sound/Player.h"

namespace kvirlo {

Form2::Form2(App& app) : Window(app.context(), WindowId::Form2, texts::ShortName), app_(app) {
  border = BorderStyle::FixedSingle;
  minButton = maxButton = false;
  centred = true;
  closesOnEscape = true;
  clientWidth = 7500;
  clientHeight = 2775;
  setGeometry({0, 0, 7500, 2775});
  setBackColor(rgb(192, 255, 192));
  backgroundPicture = "alert-background";
  Image1.setGeometry({120, 120, 480, 480});
  Image1.setBackColor(rgb(192, 255, 192));
  Image1.picture = "bell";
  Label1.setGeometry({720, 120, 6000, 375});
  Label1.setForeColor(rgb(255, 0, 0));
  Label1.setBackColor(rgb(192, 255, 192));
  Label1.font = {"", 12, true, false};
  Text1.setGeometry({720, 600, 6660, 1455});
  Text1.multiLine = true;
  Text1.accessibleName = "Напоминание";
  Text1.verticalScrollBar = true;
  Text1.readOnly = true;
  Text1.font = {"", 13.5, false, false};
  Text1.setBackColor(rgb(255, 255, 225));  // the tooltip colour
  Command2.setGeometry({1920, 2220, 1695, 375});
  Command1.setGeometry({3900, 2220, 1695, 375});

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Timer1.onTick = [this] { Timer1_Timer(); };
}

void Form2::Form_Load() {
  const SettingsRecord& s = app_.settings;
  setTopMost();
  bool tunerFailed = false;
  if (s.TunerOn == "YES") {
    const bool started = LaunchTuner(app_);
    // With the tuner alone the program's work is done once it runs. If it
    // could not be started, the alert below is all that is left to remind,
    // and it says so: the user counted on the tuner.
    if (started && s.MainReminderOff == "ON") ExitProgram(app_);
    tunerFailed = !started;
  }
  app_.unload(WindowId::Form3);
  std::string text = "Напоминаю: " + app_.form1().Text1.text();
  if (tunerFailed) text += "\nНе удалось запустить TV тюнер: " + s.TunerPath;
  Text1.setText(text);
  app_.services().tray.remove(app_.TrayIcon);
  Timer1.setEnabled(true);
  // The sound starts the moment after the window is up: opening a sound
  // device takes a while, and the alert must not wait for it to be seen.
  alarmStart_ = app_.services().clock.once(Milliseconds(0), [this] {
    alarmStart_.reset();
    startAlarm();
  });
}

void Form2::startAlarm() {
  const SettingsRecord& s = app_.settings;
  if (s.SoundOutput == "SoundCard") app_.player().MediaPlayer1_Enable();
  if (s.SoundOutput == "SystemDinamyc") app_.player().Timer2.setEnabled(true);
}

void Form2::Form_Unload() {
  alarmStart_.reset();
  app_.unload(WindowId::Player);
  // The reminder is over once the user has seen it; a crash later in the
  // session must not bring it back. One started meanwhile (the main window
  // is reachable while the alert is open) still waits, and stays recorded.
  if (!app_.form1().Timer1.enabled()) forgetPendingReminder(app_);
  app_.form1().show();
}

void Form2::Command1_Click() { ExitProgram(app_); }

void Form2::Command2_Click() { app_.unload(*this); }

void Form2::Timer1_Timer() {
  if (BlinkState == 0) {
    Label1.setVisible(false);
    BlinkState = 1;
  } else {
    Label1.setVisible(true);
    BlinkState = 0;
  }
}

}  // namespace kvirlo
