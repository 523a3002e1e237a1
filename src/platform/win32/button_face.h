#pragma once

#include "platform/win32/win.h"

#include <string>

namespace kvirlo::win32 {

// What a button shows instead of its window text: one of the program's
// pictures, or else its caption in `font`.
struct ButtonFace {
  std::string picture;
  std::string caption;
  HFONT font;
  bool enabled;
};

// A button's face as an icon: what is drawn shows, as it looks on the
// button's face colour, and the rest is the button's own. A bitmap would be
// one opaque block, which a disabled button greys whole into a blank one;
// a disabled face is drawn grey here, as the system draws a disabled
// caption. Drawn is whatever leaves black or white as it was not: text is
// smoothed into its background, so no pixel of a small caption comes out
// the same on both. Null when it cannot be made; the caller owns it.
HICON buttonIcon(const ButtonFace& face, int width, int height);

}  // namespace kvirlo::win32
