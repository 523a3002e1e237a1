#pragma once

#include <vector>

#include "platform/window/control.h"

namespace kvirlo {

class Window;

// The controls Tab and Shift+Tab go through, in reading order: top to
// bottom, left to right, a frame's contents where the frame stands. Only
// what takes the keyboard: fields, buttons, boxes, options, sliders and
// spinners that are enabled, shown, inside enabled and shown frames and
// inside the window's visible part.
std::vector<Control*> tabOrder(const Window& window);

// Where Tab (forward) or Shift+Tab goes from `from`; from nothing, or from a
// control outside the order, to the first or last. Nothing when no control
// takes the keyboard.
Control* nextInTabOrder(const Window& window, const Control* from, bool forward);

// Where an arrow key goes from an option button: to the next (Down, Right)
// or previous (Up, Left) option of its group in the tab order, round at the
// ends. Nothing from any other control, or from an option alone in reach.
Control* nextInGroup(const Window& window, const Control& from, bool forward);

}  // namespace kvirlo
