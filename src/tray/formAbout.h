#pragma once

#include "platform/window/control.h"
#include "platform/window/window.h"

namespace kvirlo {

class App;

// The About window: name, version, credit and two web links that light up
// under the pointer.
class formAbout : public Window {
 public:
  explicit formAbout(App& app);

  static constexpr Colour LinkBlue = rgb(0, 0, 255);
  static constexpr Colour LinkBlack = rgb(0, 0, 0);

  // The pointer over the bare background turns both links black again.
  void Form_MouseMove(int button = 0) override;
  void Label2_MouseMove(int index);
  void Label5_MouseMove();
  void Label2_Click(int index);
  void Label5_Click();

  Control Label1_0{*this, "Label1(0)", ControlKind::Label, "О Программе!"};
  Control Label1_1{*this, "Label1(1)", ControlKind::Label};
  Control Label5{*this, "Label5", ControlKind::Label};
  Control Label2_1{*this, "Label2(1)", ControlKind::Label, "Информация о программе на сайте:"};
  Control Label2_0{*this, "Label2(0)", ControlKind::Label};
  Control Label4{*this, "Label4", ControlKind::Label};
  Control Line1{*this, "Line1", ControlKind::Line};
  Control Line2{*this, "Line2", ControlKind::Line};

 private:
  App& app_;
};

}  // namespace kvirlo
