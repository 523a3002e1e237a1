#pragma once

#include <string>

namespace kvirlo {

// The current user's list of programs started at logon; an entry is a name
// and the executable's path. Failures are not reported.
class Autostart {
 public:
  virtual ~Autostart() = default;
  virtual void add(const std::string& name, const std::string& executablePath) = 0;
  virtual void remove(const std::string& name) = 0;
};

}  // namespace kvirlo
