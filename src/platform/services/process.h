#pragma once

namespace kvirlo {

// The end of the program.
class Process {
 public:
  virtual ~Process() = default;
  // Ends the program at once: no window's close or unload step runs after it.
  [[noreturn]] virtual void end() = 0;
};

}  // namespace kvirlo
