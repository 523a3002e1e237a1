#pragma once

#include <string>

class QWidget;

namespace kvirlo::qt {

// What a launcher gives a program it starts so that the desktop lets the
// program take the focus: a token on Wayland, a startup id on X.
struct ActivationToken {
  std::string wayland;    // XDG_ACTIVATION_TOKEN
  std::string startupId;  // DESKTOP_STARTUP_ID
};

// The tokens this copy was started with.
ActivationToken tokenOfThisStart();

// A later copy's request to the first, and the first copy's reading of it.
// A token that is no printable word is dropped: the request comes from
// whoever can write to the socket.
std::string showRequest(const ActivationToken& token);
ActivationToken tokenOfRequest(const std::string& request);

// Kept for the next activation of a window, which then uses it once.
void handOver(const ActivationToken& token);
// Right before a window asks to come forward: its desktop hears the token.
void useHandedOverToken(QWidget& window);

}  // namespace kvirlo::qt
