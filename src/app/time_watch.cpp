// The time watch: opens the alert once the reminder's hour and minute are reached.

#include "alert/Form2.h"
#include "app/App.h"
#include "app/Form1.h"

namespace kvirlo {

void Form1::Timer1_Timer() {
  Clock& clock = app_.services().clock;
  if (clock.localTime().hour < app_.AlarmHour) return;
  // A fresh reading: the hour may have just turned over.
  if (clock.localTime().minute < app_.AlarmMinute) return;
  Form2& alert = app_.form2();
  alert.show();
  // Its loading may have ended the program instead.
  if (!alert.isUnloaded()) alert.callForAttention(alert.Text1.text());
  Timer1.setEnabled(false);
}

}  // namespace kvirlo
