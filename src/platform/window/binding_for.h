#pragma once

#include <memory>

#include "platform/window/control.h"
#include "platform/window/control_kinds.h"

namespace kvirlo {

// The binding a view makes for a control, by its kind. Each view declares
// make<Kind>Binding(Control&, Host&) for every kind of the list in its own
// namespace, where the call finds it by the host's type; a kind without its
// maker stops the build at this switch.
template <class Binding, class Host>
std::unique_ptr<Binding> bindingFor(Control& control, Host& host) {
  switch (control.kind()) {
#define KVIRLO_BINDING_CASE(kind) \
  case ControlKind::kind: return make##kind##Binding(control, host);
    KVIRLO_CONTROL_KINDS(KVIRLO_BINDING_CASE)
#undef KVIRLO_BINDING_CASE
  }
  return nullptr;
}

}  // namespace kvirlo
