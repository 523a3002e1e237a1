#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "platform/window/control.h"

namespace kvirlo {

class Window;

// Pixels for twips on a screen: 15 twips a pixel at 96 dots per inch.
struct Scale {
  double factor = 1.0;  // dots per inch / 96
  int px(double twips) const;
  double twips(int px) const;
};

// The size of a window's inside in twips. The program's layouts give the
// main window's outer height; the title bar and borders are taken off.
struct ClientSize {
  double width = 0;
  double height = 0;
};
ClientSize clientSize(const Window& window);

// A rectangle on the desktop in pixels.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Where a window must go so that the user can see it: nothing when enough of
// `frame` shows on one of the screens' work areas; otherwise the nearest
// place inside the main screen's area. A stored position can lie off every
// screen (a monitor since unplugged, an edited file).
struct PixelPoint {
  int x = 0;
  int y = 0;
};
std::optional<PixelPoint> placeOnScreen(const PixelRect& frame, const std::vector<PixelRect>& areas,
                                        const PixelRect& mainArea);

// Where a window of that size goes to stand in the middle of `area`.
PixelPoint centredIn(const PixelRect& area, int width, int height);

// Whether a point (twips) lies in a rectangle, its right and bottom edges
// excluded.
bool contains(const Rect& r, double x, double y);

// Pixels beside a label's measured text that still count as on it: a bold
// face's overhang, an underline.
constexpr int kTextHitMargin = 2;

// Where a label's box meets other controls' boxes (twips, in the window).
// There only the label's visible text keeps the mouse, and the control
// beneath answers elsewhere; the rest of the box stays the label's, to be
// clicked or dragged by.
std::vector<Rect> sharedParts(const Control& label);

// The frame that answers the mouse at a point of the window (twips) where
// no enabled control takes it: the innermost visible frame there, or none
// (the window's own background).
Control* frameAt(const Window& window, double x, double y);

// What a view measures of a control's caption with the font it uses, in
// pixels: the whole text plus what the control draws beside it (a check
// box's mark, a button's margins, a frame title's indent).
struct TextExtent {
  int width = 0;
  int height = 0;
};
// The caption at a font size in points, on one line (wrapWidth 0) or
// wrapped within wrapWidth pixels.
using MeasureCaption = std::function<TextExtent(double points, int wrapWidth)>;

// Where a caption goes, and at which size, so that it reads whole.
struct CaptionFit {
  Rect box;             // twips, in the window
  double points = 0;    // the font size to use
  bool fits = true;     // false: even the smallest font is cut
};

// No caption is stepped down below this size to make it fit.
constexpr double kSmallestPoints = 7;

// Whether the control shows a caption that must read whole.
bool showsCaption(const Control& control);

// How far (twips) a control's box may grow to the right or downwards without
// leaving its frame or window or reaching another control.
double roomToRight(const Control& control);
double roomBelow(const Control& control);

// The box and font size that show the whole caption: the design box while
// the caption fits it; else the box grown into the free room to the right
// (or below, for a wrapping label); else the font stepped down, to 7 points
// at the least.
CaptionFit fitCaption(const Control& control, Scale scale, double points, const MeasureCaption& measure);

}  // namespace kvirlo
