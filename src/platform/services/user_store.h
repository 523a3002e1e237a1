#pragma once

#include <string>

namespace kvirlo {

// The per-user store of strings (application "Kvirlo", section "Config").
// An absent key reads as "". A write that fails is not reported.
class UserStore {
 public:
  virtual ~UserStore() = default;
  virtual std::string get(const std::string& key) = 0;
  virtual void set(const std::string& key, const std::string& value) = 0;
};

}  // namespace kvirlo
