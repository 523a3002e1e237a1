#include "indicator/Form3.h"

#include "app/App.h"
#include "app/Form1.h"
#include "indicator/Form4.h"
#include "settings/numbers.h"

namespace kvirlo {

Form3::Form3(App& app) : Window(app.context(), WindowId::Form3, "Form3"), app_(app) {
  border = BorderStyle::None;
  minButton = maxButton = false;
  hasIcon = false;
  // A small box that lives beside the other windows; the tray and its own
  // close box reach it.
  taskbarButton = false;
  clientWidth = 1515;
  clientHeight = 525;
  const App::Place place = app.indicatorPlace.value_or(App::Place{DesignLeft, DesignTop});
  setGeometry({place.left, place.top, 1515, 525});
  setBackColor(rgb(0, 0, 0));
  Label1.setGeometry({80, 0, 1335, 255});
  Label1.setForeColor(rgb(128, 255, 128));
  Label1.setBackColor(rgb(0, 0, 0));
  Label2.setGeometry({80, 240, 1095, 255});
  Label2.setForeColor(rgb(255, 0, 0));
  Label2.setBackColor(rgb(0, 0, 0));
  Picture1.setGeometry({1200, 240, 255, 255});
  Picture1.setBackColor(rgb(0, 0, 0));
  Picture1.picture = "close-box";
  Picture1.accessibleName = "Закрыть индикатор";

  Label1.onMouseDown = [this](int button) { Label1_MouseDown(button); };
  Label2.onMouseDown = [this](int button) { Label2_MouseDown(button); };
  Picture1.onClick = [this] { Picture1_Click(); };
  Timer1.onTick = [this] { Timer1_Timer(); };
}

void Form3::Timer1_Timer() { refreshCount(); }

void Form3::refreshCount() {
  const TimeOfDay now = app_.services().clock.localTime();
  const double count = (app_.AlarmHour - now.hour) * 60 + (app_.AlarmMinute - now.minute);
  Label2.setText(formatNumber(count) + " Мин.");
}

void Form3::Form_Activate() {
  // Every show activates: the count is right from the moment it is seen,
  // not from the next minute's start.
  refreshCount();
  Form1& main = app_.form1();
  if (main.Check2.value() == check::Checked) {
    setTopMost();
    main.Check1.setValue(check::Checked);
  }
  if (main.Check2.value() == check::Unchecked) sendToBottom();
}

void Form3::Form_Unload() { app_.indicatorPlace = App::Place{left(), top()}; }

// Any button on either label moves the window with the pointer.
void Form3::Label1_MouseDown(int) { beginDrag(); }

void Form3::Label2_MouseDown(int) { beginDrag(); }

void Form3::Picture1_Click() { app_.form4().show(); }

}  // namespace kvirlo
