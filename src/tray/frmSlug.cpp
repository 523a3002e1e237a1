#include "tray/frmSlug.h"

#include "app/App.h"
#include "app/Form1.h"
#include "app/texts.h"
#include "indicator/Form3.h"
#include "tray/about_texts.h"
#include "tray/formAbout.h"
#include "tray/web_link.h"

namespace kvirlo {

frmSlug::frmSlug(App& app)
    : Window(app.context(), WindowId::frmSlug, "Форма Оперативной памяти программы"),
      app_(app) {
  hasIcon = false;
  neverShown = true;
  mnuSite_Internet.onClick = [this] { mnuSite_Internet_Click(); };
  mnuAbout.onClick = [this] { mnuAbout_Click(); };
  mnuTime.onClick = [this] { mnuTime_Click(); };
  mnuUsl.onClick = [this] { mnuUsl_Click(); };
  mnuExit.onClick = [this] { mnuExit_Click(); };
}

void frmSlug::Form_MouseMove(int button) {
  if (button == buttons::Right) popupMenu(mnuMenu);
}

void frmSlug::mnuSite_Internet_Click() {
  OpenWebAddress(app_, about::ProductSiteAddress);
}

void frmSlug::mnuAbout_Click() { app_.about().show(); }

void frmSlug::mnuTime_Click() { app_.form3().show(); }

void frmSlug::mnuUsl_Click() { app_.form1().show(); }

void frmSlug::mnuExit_Click() {
  const int answer =
      app_.services().messageBox.show(texts::ExitQuestion, mb::YesNo, texts::ShortName);
  if (answer == mb::AnswerYes) app_.form1().requestClose();
}

}  // namespace kvirlo
