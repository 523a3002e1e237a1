#pragma once

namespace kvirlo::qt {

// Chooses where the windows go, before the application object exists:
// X11 where it can be reached, since positions, staying on top and dragging
// by a label need it (under a Wayland session, Xwayland), else native
// Wayland. A Qt platform the user chose himself stays his. False, with a
// word on standard error, when there is no display at all.
bool chooseDisplay();

// Once the windows have a display: on native Wayland, a word on standard
// error of what the program cannot do there.
void sayWhatTheDisplayLacks();

}  // namespace kvirlo::qt
