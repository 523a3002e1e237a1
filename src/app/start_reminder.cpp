// Starting a reminder: "Пуск", and the resume at start-up.

#include "app/App.h"
#include "app/Form1.h"
#include "app/texts.h"
#include "indicator/Form3.h"
#include "settings/numbers.h"
#include "settings/settings_module.h"
#include "tray/tray_icon.h"

namespace kvirlo {
namespace {

// The executable's full path, for the autostart entry.
std::string executablePath(Paths& paths) {
  std::string path = paths.programDirectory();
  if (path.empty() || path.back() != paths.separator()) path += paths.separator();
  return path + paths.executableBaseName() + paths.executableExtension();
}

// The hour and minute fields take any characters; a text that is not a
// number as a whole ("1a", "  ") cannot be a time and fails the range check.
bool above(const std::string& text, double limit) {
  const auto number = wholeNumber(text);
  return !number || *number > limit;
}

}  // namespace

void Form1::Command1_Click() {
  Services& sys = app_.services();
  auto refuse = [&](const char* text, int flags, const char* title) {
    sys.messageBox.show(text, flags, title);
  };
  if (Text1.text().empty())
    return refuse("Пожалуйста, введите текст напоминания", mb::Information, texts::EntryTitle);
  if (Text2.text().empty() || Text3.text().empty())
    return refuse("Пожалуйста, введите время напоминания", mb::Information, texts::EntryTitle);
  if (above(Text2.text(), 23))
    return refuse("Максимальное значение часов может быть-23", mb::Exclamation, texts::EntryTitle);
  if (above(Text3.text(), 59))
    return refuse("Максимальное значение минут может быть-59", mb::Exclamation, texts::EntryTitle);
  if (Check3.value() == check::Checked && Text5.text().empty())
    return refuse(
        "Укажите путь к программе TV тюнера Behold TV\r\n"
        "Внимание! Путь должен быть указан правильно, иначе корректная работа программы не "
        "гарантируется.",
        mb::Exclamation, texts::AppTitle);
  if (Text4.text().empty()) return refuse("Укажите номер канала", mb::Exclamation, texts::AppTitle);

  app_.settings.MainReminderOff = Check6.value() == check::Checked ? "ON" : "OFF";
  app_.AlarmHour = leadingNumber(Text2.text());
  app_.AlarmMinute = leadingNumber(Text3.text());

  // Without a notification area a tray icon would leave the program out of
  // sight and out of reach, so the indicator stands in for it there.
  if (Check1.value() == check::Checked || !sys.tray.available()) {
    app_.form3().show();
  } else {
    app_.form3().hide();
    AddTrayIcon(app_);
  }
  hide();
  Timer1.setEnabled(true);
  sys.autostart.add(texts::AppTitle, executablePath(sys.paths));
  sys.store.set("running", "ON");
  sys.store.set("Text_Kvir", Text1.text());
  sys.store.set("Hour_Kvir", Text2.text());
  sys.store.set("Minute_Kvir", Text3.text());
  if (!SaveSettings(app_)) app_.tellSettingsUnsaved();
}

}  // namespace kvirlo
