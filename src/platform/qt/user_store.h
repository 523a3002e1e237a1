#pragma once

#include <QSettings>
#include <string>

#include "platform/services/user_store.h"

namespace kvirlo::qt {

// The per-user store: an INI file under the XDG config home, group "Config".
class IniStore : public UserStore {
 public:
  IniStore();
  std::string get(const std::string& key) override;
  void set(const std::string& key, const std::string& value) override;

 private:
  QSettings settings_;
};

}  // namespace kvirlo::qt
