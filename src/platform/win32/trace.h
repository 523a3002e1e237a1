#pragma once

#include <string>

namespace kvirlo::win32 {

// With KVIRLO_TRACE naming a file, the program notes there when each window
// is created and painted on being shown ("painted Form2 <ms since the
// epoch>"), for the benchmark. Without it nothing is written.
void trace(const char* what, const std::string& window);

}  // namespace kvirlo::win32
