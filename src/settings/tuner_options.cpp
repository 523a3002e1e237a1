// The tuner options of the main window: each control keeps its setting in line.

#include <algorithm>
#include <string>

#include "app/App.h"
#include "app/Form1.h"
#include "app/texts.h"
#include "settings/numbers.h"
#include "platform/services/paths.h"

namespace kvirlo {
namespace {

constexpr const char* kPlaceholder = "@Behold TV@";

}  // namespace

void Form1::Check3_Click() {
  SettingsRecord& s = app_.settings;
  const std::vector<Control*> group = {&Option1, &Option2, &Check5, &Check6,  &Text4,
                                       &Text5,   &Label7,  &Label9, &Command4};
  if (Check3.value() == check::Checked) {
    s.TunerOn = "YES";
    if (s.MainReminderOff == "ON") {
      Text1.setText(kPlaceholder);
      Text1.setEnabled(false);
    }
    for (Control* c : group) c->setEnabled(true);
  } else {
    s.TunerOn = "NO";
    Text1.setEnabled(true);
    Text1.setText("");
    for (Control* c : group) c->setEnabled(false);
  }
}

void Form1::Check6_Click() {
  SettingsRecord& s = app_.settings;
  if (Check6.value() == check::Checked) {
    s.MainReminderOff = "ON";
    Text1.setText(kPlaceholder);
    Text1.setEnabled(false);
  } else {
    s.MainReminderOff = "OFF";
    Text1.setText("");
    Text1.setEnabled(true);
  }
  if (s.TunerOn == "NO") Text1.setEnabled(true);
}

void Form1::Check5_Click() {
  app_.settings.TunerFullScreen = Check5.value() == check::Checked ? "-fs" : "";
}

void Form1::Option1_Click() { app_.settings.TunerMode = "-m:tv"; }

void Form1::Option2_Click() { app_.settings.TunerMode = "-m:fm"; }

void Form1::Command4_Click() {
  Services& sys = app_.services();
  // The dialog is the one the colour choice shares, hence its title.
  const auto chosen = sys.dialogs.openFile({"Выбор цвета", "*.exe", "*.exe", "Файлы программ",
                                            folderOf(app_.settings.TunerPath, sys.paths.separator())});
  if (!chosen) return;  // cancelled: nothing changes
  app_.settings.TunerPath = *chosen;
  Text5.setText(app_.settings.TunerPath);
  sys.messageBox.show("Надеюсь вы правда указали путь к программе TV тюнера Behold TV",
                      mb::OkOnly, texts::AppTitle);
}

void Form1::Text4_Change() {
  const double number = leadingDecimal(Text4.text());
  app_.settings.TunerChannel = roundToInt32(number);
  // The test is on the number as typed: ".4" stays, with channel 0.
  if (!(number > 0)) Text4.setText("1");
}

void Form1::UpDown1_Change(int step) {
  // A step goes from the channel shown, so the arrows never jump.
  const double shown = roundHalfEven(leadingDecimal(Text4.text()));
  const int from = static_cast<int>(std::clamp(shown, 1.0, 999.0));
  const int to = std::clamp(from + step, UpDown1.minimum(), UpDown1.maximum());
  UpDown1.setValue(to);
  Text4.setText(std::to_string(to));
}

void Form1::Text4_KeyDown(int key) { Text4.setLocked(key == keys::Space); }

}  // namespace kvirlo
