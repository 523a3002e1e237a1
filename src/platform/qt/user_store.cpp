#include "platform/qt/user_store.h"

#include "platform/qt/qstrings.h"

namespace kvirlo::qt {

IniStore::IniStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, "Kvirlo", "Kvirlo") {}

std::string IniStore::get(const std::string& key) {
  return settings_.value("Config/" + q(key)).toString().toStdString();
}

void IniStore::set(const std::string& key, const std::string& value) {
  settings_.setValue("Config/" + q(key), q(value));
  // On disk at once: the program may end without any further step.
  settings_.sync();
}

}  // namespace kvirlo::qt
