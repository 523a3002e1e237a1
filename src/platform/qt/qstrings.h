#pragma once

#include <QString>
#include <string>

namespace kvirlo::qt {

// The core's strings are UTF-8.
inline QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace kvirlo::qt
