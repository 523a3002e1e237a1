#include "platform/qt/user_store.h"

#include "platform/qt/qstrings.h"

namespace kvirlo::qt {

QtStore::QtStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, "Kvirlo", "Kvirlo") {}

std::string QtStore::get(const std::string& key) {
  return settings_.value("Config/" + q(key)).toString().toStdString();
}

void QtStore::set(const std::string& key, const std::string& value) {
  settings_.setValue("Config/" + q(key), q(value));
  // On disk at once: the program may end without any further step.
  settings_.sync();
}

}  // namespace kvirlo::qt
