#include "platform/window/colour.h"

#include <cmath>

namespace kvirlo {

Colour colourFromNumber(double value, Colour fallback) {
  if (!std::isfinite(value) || value < 0 || value > kMaxColour) return fallback;
  if (std::floor(value) != value) return fallback;
  return static_cast<Colour>(value);
}

}  // namespace kvirlo
