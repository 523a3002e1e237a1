#include "platform/qt/message_box.h"

#include <QMessageBox>

#include "platform/qt/pictures.h"
#include "platform/qt/qstrings.h"

namespace kvirlo::qt {

int QtMessageBox::show(const std::string& text, int flags, const std::string& title) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (flags & mb::Icon) {
    case mb::Critical: icon = QMessageBox::Critical; break;
    case mb::Question: icon = QMessageBox::Question; break;
    case mb::Exclamation: icon = QMessageBox::Warning; break;
    case mb::Information: icon = QMessageBox::Information; break;
    default: break;
  }
  const bool yesNo = (flags & mb::Buttons) == mb::YesNo;
  QMessageBox box(icon, q(title), q(text),
                  yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok);
  box.setWindowIcon(appIcon());
  const int answer = box.exec();
  if (!yesNo) return mb::AnswerOk;
  return answer == QMessageBox::Yes ? mb::AnswerYes : mb::AnswerNo;
}

}  // namespace kvirlo::qt
