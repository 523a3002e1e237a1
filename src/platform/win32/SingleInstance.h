#pragma once

#include "platform/win32/handles.h"

namespace kvirlo::win32 {

// One copy of the program per user session: a named mutex marks the first.
// A later copy knocks at the first one's hidden window, which brings its
// main window forward, and ends.
class SingleInstance {
 public:
  SingleInstance();
  bool first() const { return first_; }
  // Asks the running copy to show its main window.
  static void knock();

 private:
  Handle mutex_;
  bool first_ = true;
};

}  // namespace kvirlo::win32
