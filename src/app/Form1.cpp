#include "app/Form1.h"

#include "app/App.h"
#include "app/shutdown.h"
#include "indicator/Form3.h"
#include "settings/settings_module.h"

namespace kvirlo {
Form1::Form1(App& app) : Window(app.context(), WindowId::Form1, "Квирло 3.0"), app_(app) {
  border = BorderStyle::FixedSingle;
  maxButton = false;
  clientWidth = 7320;
  clientHeight = 4440;
  outerHeight = true;  // the layouts give the window's outer height
  setBackColor(DesignFormColour);
  layOut();

  Text1.multiLine = true;
  Text1.toolTip = "Введите в это окно текст напоминания";
  Text2.maxLength = 2;
  Text3.maxLength = 2;
  Text4.maxLength = 3;
  Text5.readOnly = true;
  Check1.setValue(check::Checked);
  Check2.setValue(check::Checked);
  Text1.accessibleName = "Текст напоминания";
  Text2.accessibleName = Label4.text();
  Text3.accessibleName = Label5.text();
  Text5.accessibleName = "Путь к программе TV тюнера";
  Command4.accessibleName = "Выбрать программу тюнера";
  Text4.accessibleName = UpDown1.accessibleName = Label7.text();
  Text6.accessibleName = "Кавычка вокруг пути к тюнеру";
  UpDown1.setRange(1, 999);
  UpDown1.setValue(1);
  Option1.group = Option2.group = 1;

  for (Control* c : controls())
    c->setBackColor(c->kind() == ControlKind::TextBox ? DesignFieldColour : DesignFormColour);

  Text1.container = &Frame4;
  for (Control* c : {&Text2, &Label4, &Text3, &Label5, &Command1, &Check1, &Check2, &Command3})
    c->container = &Frame3;
  for (Control* c : {&Check3, &Label9, &Text5, &Command4, &Frame2, &Option1, &Option2, &Check5,
                     &Check6, &Text6})
    c->container = &Frame1;
  for (Control* c : {&Label7, &Text4, &UpDown1, &Text6}) c->container = &Frame2;
  wireHandlers();
}

void Form1::layOut() {
  // Twips within the client area, which is 7320 wide; the compact height
  // ends below "Опции напоминания", the tuner group lies under the line.
  Frame4.setGeometry({120, 0, 7080, 1335});
  Text1.setGeometry({240, 240, 6840, 975});

  Frame3.setGeometry({120, 1320, 7080, 1095});
  Text2.setGeometry({240, 1560, 375, 315});
  Label4.setGeometry({660, 1605, 420, 255});
  Text3.setGeometry({1080, 1560, 375, 315});
  Label5.setGeometry({1500, 1605, 420, 255});
  Command1.setGeometry({240, 1980, 1215, 345});
  Check1.setGeometry({1980, 1560, 3540, 255});
  Check2.setGeometry({1980, 1860, 3540, 255});
  Command3.setGeometry({5580, 1980, 1500, 345});

  Line1.setGeometry({120, 2520, 7080, 0});

  Frame1.setGeometry({120, 2640, 7080, 1695});
  Check3.setGeometry({240, 2880, 4200, 255});
  Label9.setGeometry({240, 3180, 4200, 255});
  Text5.setGeometry({240, 3450, 3960, 315});
  Command4.setGeometry({4230, 3450, 375, 315});
  Frame2.setGeometry({4800, 2760, 2280, 600});
  Label7.setGeometry({4920, 2985, 600, 255});
  Text4.setGeometry({5580, 2940, 600, 315});
  UpDown1.setGeometry({6180, 2940, 255, 315});
  Option1.setGeometry({4680, 3480, 1200, 255});
  Option2.setGeometry({5880, 3480, 1200, 255});
  Check5.setGeometry({240, 3900, 3420, 255});
  Check6.setGeometry({3720, 3900, 3360, 255});
  Text6.setGeometry({6600, 2940, 240, 315});
}

void Form1::wireHandlers() {
  Command1.onClick = [this] { Command1_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Check1.onChange = [this] { Check1_Click(); };
  Check3.onChange = [this] { Check3_Click(); };
  Check5.onChange = [this] { Check5_Click(); };
  Check6.onChange = [this] { Check6_Click(); };
  Option1.onChange = [this] { Option1_Click(); };
  Option2.onChange = [this] { Option2_Click(); };
  Text2.onChange = [this] { Text2_Change(); };
  Text2.onKeyDown = [this](int key) { Text2_KeyDown(key); };
  Text3.onKeyDown = [this](int key) { Text3_KeyDown(key); };
  Text4.onChange = [this] { Text4_Change(); };
  Text4.onKeyDown = [this](int key) { Text4_KeyDown(key); };
  UpDown1.onSpin = [this](int step) { UpDown1_Change(step); };
  Frame3.onMouseUp = [this](int button) { Frame3_MouseUp(button); };
  Frame1.onMouseUp = [this](int button) { Frame1_MouseUp(button); };
  Timer1.onTick = [this] { Timer1_Timer(); };
  mnuAbout.onClick = [this] { mnuAbout_Click(); };
  mnuFormColor.onClick = [this] { mnuFormColor_Click(); };
  mnuTextPoleColor.onClick = [this] { mnuTextPoleColor_Click(); };
  mnuSound.onClick = [this] { mnuSound_Click(); };
  mnuExit.onClick = [this] { mnuExit_Click(); };
}

void Form1::Form_Load() {
  Services& sys = app_.services();
  app_.WinDir = sys.paths.windowsDirectory() + sys.paths.separator();
  LoadSettings(app_);
  Check3_Click();
  app_.RunningState = sys.store.get("running");
  if (app_.RunningState == "ON") {
    Text1.setText(sys.store.get("Text_Kvir"));
    Text2.setText(sys.store.get("Hour_Kvir"));
    Text3.setText(sys.store.get("Minute_Kvir"));
    Command1_Click();
  }
}

void Form1::Form_Activate() { app_.form3().hide(); }

void Form1::Form_QueryUnload() { ExitProgram(app_); }

}  // namespace kvirlo
