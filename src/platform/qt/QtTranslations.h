#pragma once

#include <QTranslator>

namespace kvirlo::qt {

// Qt's own texts in Russian, as the rest of the interface: the buttons of
// message boxes and the file and colour dialogs. Installed while it lives;
// without the translations package the texts stay English.
class QtTranslations {
 public:
  QtTranslations();
  ~QtTranslations();
  QtTranslations(const QtTranslations&) = delete;
  QtTranslations& operator=(const QtTranslations&) = delete;

 private:
  QTranslator qtbase_;
  bool installed_ = false;
};

}  // namespace kvirlo::qt
