#include "indicator/Form4.h"

#include "app/App.h"
#include "app/Form1.h"
#include "app/shutdown.h"
#include "app/texts.h"
#include "indicator/Form3.h"
#include "tray/tray_icon.h"

namespace kvirlo {

Form4::Form4(App& app) : Window(app.context(), WindowId::Form4, texts::ShortName), app_(app) {
  border = BorderStyle::FixedSingle;
  minButton = maxButton = false;
  centred = true;
  clientWidth = 3525;
  clientHeight = 1965;
  setGeometry({0, 0, 3525, 1965});
  // Within the window; the frame's children are placed relative to the frame.
  Frame1.setGeometry({120, 120, 3255, 1695});
  Frame1.font.bold = true;
  auto inFrame = [this](Control& c, Rect r) {
    c.container = &Frame1;
    c.setGeometry({120 + r.left, 120 + r.top, r.width, r.height});
  };
  inFrame(Option1, {240, 360, 2535, 255});
  inFrame(Option2, {240, 600, 2895, 255});
  inFrame(Option3, {240, 840, 2895, 255});
  inFrame(Command1, {360, 1200, 855, 255});
  inFrame(Command2, {1440, 1200, 855, 255});
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
}

void Form4::Form_Load() {
  switch (app_.settings.IndicatorAction) {
    case 1: Option1.setValue(1); break;
    case 2: Option2.setValue(1); break;
    case 3: Option3.setValue(1); break;
    default: break;
  }
}

void Form4::Command1_Click() {
  SettingsRecord& s = app_.settings;
  if (Option1.value() == 1) {
    // Without a notification area the indicator is the program's only
    // presence while it waits, so it stays.
    if (app_.services().tray.available()) {
      app_.form3().hide();
      AddTrayIcon(app_);
    }
    s.IndicatorAction = 1;
  }
  if (Option2.value() == 1) {
    app_.form1().show();
    s.IndicatorAction = 2;
  }
  if (Option3.value() == 1) {
    s.IndicatorAction = 3;
    const int answer =
        app_.services().messageBox.show(texts::ExitQuestion, mb::YesNo, texts::ShortName);
    if (answer == mb::AnswerYes) ExitProgram(app_);
  }
  app_.unload(*this);
}

void Form4::Command2_Click() { app_.unload(*this); }

}  // namespace kvirlo
