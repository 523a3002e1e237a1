#pragma once

#include <QGuiApplication>

namespace kvirlo::qt {

// On native Wayland the desktop keeps no window above the others, places
// windows itself and never says where they are.
inline bool onNativeWayland() { return QGuiApplication::platformName().startsWith("wayland"); }

}  // namespace kvirlo::qt
