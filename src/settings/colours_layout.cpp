// The main window's colours and its compact and extended layouts.

#include "app/App.h"
#include "app/Form1.h"

namespace kvirlo {
std::vector<Control*> Form1::formColorControls() {
  return {&Check1, &Check2, &Check3, &Check5, &Check6, &Option1, &Option2,
          &Frame1, &Frame2, &Frame3, &Frame4, &Label7, &Label9};
}

std::vector<Control*> Form1::fieldColorControls() {
  return {&Text1, &Text2, &Text3, &Text4, &Text5};
}

void Form1::paintFormColor(double colour) {
  const Colour c = colourFromNumber(colour, DesignFormColour);
  setBackColor(c);
  for (Control* control : formColorControls()) control->setBackColor(c);
}

void Form1::paintFieldColor(double colour) {
  const Colour c = colourFromNumber(colour, DesignFieldColour);
  for (Control* control : fieldColorControls()) control->setBackColor(c);
}

void Form1::mnuFormColor_Click() {
  const auto chosen = app_.services().dialogs.chooseColour(colourDialogLast_);
  if (!chosen) return;  // cancelled: nothing changes
  colourDialogLast_ = *chosen;
  app_.settings.FormColor = *chosen;
  paintFormColor(app_.settings.FormColor);
}

void Form1::mnuTextPoleColor_Click() {
  const auto chosen = app_.services().dialogs.chooseColour(colourDialogLast_);
  if (!chosen) return;
  colourDialogLast_ = *chosen;
  app_.settings.FieldColor = *chosen;
  paintFieldColor(app_.settings.FieldColor);
}

void Form1::Command3_Click() {
  if (Command3.text() == "Дополнительно") {
    Command3.setText("Кратко");
    setHeight(ExtendedHeight);
  } else {
    Command3.setText("Дополнительно");
    setHeight(CompactHeight);
  }
}

}  // namespace kvirlo
