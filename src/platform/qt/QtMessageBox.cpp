#include "platform/qt/QtMessageBox.h"

#include <QMessageBox>

#include "platform/qt/pictures.h"
#include "platform/qt/qstrings.h"

namespace kvirlo::qt {

int QtMessageBox::show(const std::string& text, int flags, const std::string& title) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (flags & 0x70) {
    case 16: icon = QMessageBox::Critical; break;
    case 32: icon = QMessageBox::Question; break;
    case 48: icon = QMessageBox::Warning; break;
    case 64: icon = QMessageBox::Information; break;
    default: break;
  }
  const bool yesNo = (flags & 7) == mb::YesNo;
  QMessageBox box(icon, q(title), q(text),
                  yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok);
  box.setWindowIcon(appIcon());
  const int answer = box.exec();
  if (!yesNo) return mb::AnswerOk;
  return answer == QMessageBox::Yes ? mb::AnswerYes : mb::AnswerNo;
}

}  // namespace kvirlo::qt
