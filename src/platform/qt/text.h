#pragma once

#include <QColor>

#include "platform/qt/qstrings.h"
#include "platform/window/colour.h"

namespace kvirlo::qt {

// The program's colours as Qt takes them; its texts are in qstrings.h.
inline QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

}  // namespace kvirlo::qt
