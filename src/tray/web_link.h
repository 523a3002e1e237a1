#pragma once

#include <string>

namespace kvirlo {

class App;

// Opens a site in the user's browser; when none opens it, the user is told
// so, with the address to open by hand.
void OpenWebAddress(App& app, const std::string& address);

}  // namespace kvirlo
