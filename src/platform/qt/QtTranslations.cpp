#include "platform/qt/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace kvirlo::qt {

QtTranslations::QtTranslations() {
  if (qtbase_.load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installed_ = QCoreApplication::installTranslator(&qtbase_);
}

QtTranslations::~QtTranslations() {
  if (installed_) QCoreApplication::removeTranslator(&qtbase_);
}

}  // namespace kvirlo::qt
