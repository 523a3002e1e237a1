#pragma once

// Every kind of control, once. The enum `ControlKind`, the views' choice of
// a binding (binding_for.h) and the build's lists of binding sources follow
// from this list: the build reads its X(...) lines and wants
// bindings/<Kind>Binding.cpp in each view, which defines make<Kind>Binding.
// Keep one kind a line.
#define KVIRLO_CONTROL_KINDS(X) \
  X(Label)                      \
  X(TextBox)                    \
  X(CheckBox)                   \
  X(OptionButton)               \
  X(CommandButton)              \
  X(Frame)                      \
  X(Picture)                    \
  X(Line)                       \
  X(Slider)                     \
  X(UpDown)
