#include "tray/formAbout.h"

#include "app/App.h"
#include "tray/about_texts.h"
#include "tray/web_link.h"

namespace kvirlo {

formAbout::formAbout(App& app)
    : Window(app.context(), WindowId::formAbout, "О программе... Квирло 3.0"), app_(app) {
  border = BorderStyle::FixedSingle;
  minButton = maxButton = false;
  centred = true;
  closesOnEscape = true;
  clientWidth = 5790;
  clientHeight = 1650;
  setGeometry({0, 0, 5790, 1650});

  Label1_0.setGeometry({2040, 120, 1455, 375});
  Label1_0.font = {"Tahoma", 9.75, true, false};
  Label1_0.setForeColor(rgb(255, 0, 0));
  Label1_1.setText(about::Credit);
  Label1_1.setGeometry({480, 600, 4695, 255});
  Label1_1.font = {"Tahoma", 8.25, true, false};
  Label5.setText(about::TownLabel);
  Label5.setGeometry({3600, 600, 1695, 255});
  Label5.font = {"MS Sans Serif", 8.25, true, true};
  Label2_1.setGeometry({360, 960, 3270, 195});
  Label2_1.font = {"MS Sans Serif", 8.25, true, false};
  Label2_0.setText(about::ProductSiteName);
  Label2_0.setGeometry({3840, 960, 1380, 195});
  Label2_0.font = {"MS Sans Serif", 8.25, true, true};
  Label4.setText(about::Rights);
  Label4.setGeometry({2520, 1320, 795, 195});
  Label4.font = {"Tahoma", 8.25, true, false};
  Line1.setGeometry({240, 360, 0, 1200});
  Line2.setGeometry({5520, 360, 0, 1200});
  for (Control* c : controls()) c->setBackColor(backColor());

  Label2_0.onMouseMove = [this] { Label2_MouseMove(0); };
  Label2_1.onMouseMove = [this] { Label2_MouseMove(1); };
  Label5.onMouseMove = [this] { Label5_MouseMove(); };
  Label2_0.onClick = [this] { Label2_Click(0); };
  Label2_1.onClick = [this] { Label2_Click(1); };
  Label5.onClick = [this] { Label5_Click(); };
}

void formAbout::Form_MouseMove(int) {
  Label2_0.setForeColor(LinkBlack);
  Label5.setForeColor(LinkBlack);
}

// Either label of the site line lights the address, never the explanation.
void formAbout::Label2_MouseMove(int) { Label2_0.setForeColor(LinkBlue); }

void formAbout::Label5_MouseMove() { Label5.setForeColor(LinkBlue); }

void formAbout::Label2_Click(int) {
  OpenWebAddress(app_, about::ProductSiteAddress);
}

void formAbout::Label5_Click() { OpenWebAddress(app_, about::SecondSiteAddress); }

}  // namespace kvirlo
