#pragma once

#include <cstdint>

namespace kvirlo {

// A colour as the program stores it: 0x00BBGGRR, red in the lowest byte.
using Colour = std::uint32_t;

constexpr Colour rgb(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

constexpr unsigned redOf(Colour c) { return c & 0xFF; }
constexpr unsigned greenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr unsigned blueOf(Colour c) { return (c >> 16) & 0xFF; }

constexpr Colour kMaxColour = 0xFFFFFF;

// A colour held as a number (the settings keep colours as numbers): whole
// values from 0 to 0xFFFFFF are colours; anything else is not one a window
// can take, and the control keeps `fallback`.
Colour colourFromNumber(double value, Colour fallback);

}  // namespace kvirlo
