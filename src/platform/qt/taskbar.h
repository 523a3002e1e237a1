#pragma once

class QWidget;

namespace kvirlo::qt {

// Asks the window manager to leave the window out of the task bar; called
// after every show, since a window manager forgets a hidden window's state.
// Nothing where the desktop is not X.
void keepOffTaskbar(QWidget& window);

}  // namespace kvirlo::qt
