#pragma once

namespace kvirlo {

// The end of the program.
class Process {
 public:
  virtual ~Process() = default;
  // Ends the program at once: no window's close or unload step runs after it.
  [[noreturn]] virtual void end() = 0;
  // QUIRK(tests), listed in docs/quirks.md.
  // What a stand-in that cannot end the process throws from end() instead:
  // the event gate takes it for the end, not for a fault.
  struct Ended {};
};

}  // namespace kvirlo
