// Typing the reminder's time: the caret moves on from the hour to the
// minute by itself, and back with Backspace.

#include "app/Form1.h"

namespace kvirlo {
namespace {

// Characters, not bytes: "чч" is two characters.
std::size_t characterCount(const std::string& utf8) {
  std::size_t count = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++count;
  return count;
}

}  // namespace

void Form1::Text2_Change() {
  // A window that is not shown yet (the resume at start-up) takes the focus
  // when it is shown; nothing here can fail.
  if (characterCount(Text2.text()) == 2) setFocus(Text3, true);
}

void Form1::Text2_KeyDown(int key) {
  if (key == keys::Enter) Command1_Click();
}

void Form1::Text3_KeyDown(int key) {
  if (Text3.text().empty() && key == keys::Backspace) setFocus(Text2);
  // Enter in a time field starts the reminder as «Пуск» does.
  if (key == keys::Enter) Command1_Click();
}

}  // namespace kvirlo
