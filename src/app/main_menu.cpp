// The main window's popup menu and the indicator options.

#include "app/App.h"
#include "app/Form1.h"
#include "app/shutdown.h"
#include "sound/Player.h"
#include "tray/formAbout.h"

namespace kvirlo {

void Form1::Form_MouseUp(int button) {
  if (button == buttons::Right) popupMenu(mnuMeny);
}

void Form1::Frame3_MouseUp(int button) { Form_MouseUp(button); }

void Form1::Frame1_MouseUp(int button) { Form_MouseUp(button); }

void Form1::mnuAbout_Click() { app_.about().show(); }

void Form1::mnuSound_Click() { app_.player().show(); }

void Form1::mnuExit_Click() { ExitProgram(app_); }

void Form1::Check1_Click() {
  if (Check1.value() == check::Unchecked) Check2.setEnabled(false);
  if (Check1.value() == check::Checked) Check2.setEnabled(true);
}

}  // namespace kvirlo
