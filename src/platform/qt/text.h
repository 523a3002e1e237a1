#pragma once

#include <QColor>
#include <QString>
#include <string>

#include "platform/window/colour.h"

namespace kvirlo::qt {

// The program's UTF-8 texts and colours as Qt takes them.
inline QString q(const std::string& s) { return QString::fromStdString(s); }
inline QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

}  // namespace kvirlo::qt
