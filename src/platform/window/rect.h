#pragma once

namespace kvirlo {

// Position and size in twips (1/1440 inch, 15 twips a pixel at 96 dpi).
struct Rect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  bool operator==(const Rect&) const = default;
};

}  // namespace kvirlo
