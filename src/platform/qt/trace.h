#pragma once

#include <string>

namespace kvirlo::qt {

// With KVIRLO_TRACE naming a file, the program notes there when each window
// is created and first painted ("painted Form2 <ms since the epoch>"), for
// the benchmark. Without it nothing is written.
void trace(const std::string& what, const std::string& window);

}  // namespace kvirlo::qt
