#include "platform/window/view_layout.h"

#include <algorithm>
#include <cmath>

#include "platform/window/window.h"

namespace kvirlo {
namespace {

// Title bar and borders, in twips, that the main window's outer heights
// allow for.
constexpr double kDecorationTwips = 465;

// Enough of a window to take hold of it and drag it.
constexpr int kGraspWidth = 40;
constexpr int kGraspHeight = 20;

// What a grown caption keeps clear: a frame's border, the window's edge,
// the next control.
constexpr double kEdgeTwips = 45;
constexpr double kGapTwips = 30;

// A font steps down by half a point at a time.
constexpr double kPointStep = 0.5;

bool spansOverlap(double a, double aLength, double b, double bLength) {
  return std::min(a + aLength, b + bLength) > std::max(a, b);
}

bool meets(const Rect& a, const Rect& b) {
  return spansOverlap(a.left, a.width, b.left, b.width) && spansOverlap(a.top, a.height, b.top, b.height);
}

bool inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

// The right or bottom edge a control may grow to: its window's edge, the
// inside of every frame around it, and the nearest control in its way.
// Controls its box already meets (a label lying over another) stay as
// they were designed.
double growthLimit(const Control& c, bool toRight) {
  const Rect& r = c.geometry();
  const ClientSize client = clientSize(c.window());
  double limit = (toRight ? client.width : client.height) - kEdgeTwips;
  for (const Control* o : c.window().controls()) {
    if (o == &c) continue;
    const Rect& b = o->geometry();
    if (o->kind() == ControlKind::Frame && inside(r, b)) {
      limit = std::min(limit, toRight ? b.left + b.width - kEdgeTwips : b.top + b.height - kEdgeTwips);
      continue;
    }
    if (meets(r, b)) continue;
    if (toRight && spansOverlap(r.top, r.height, b.top, b.height) && b.left >= r.left + r.width)
      limit = std::min(limit, b.left - kGapTwips);
    if (!toRight && spansOverlap(r.left, r.width, b.left, b.width) && b.top >= r.top + r.height)
      limit = std::min(limit, b.top - kGapTwips);
  }
  return limit;
}

int overlap(int a, int aLength, int b, int bLength) {
  return std::max(0, std::min(a + aLength, b + bLength) - std::max(a, b));
}

}  // namespace

int Scale::px(double twips) const { return static_cast<int>(std::lround(twips / 15.0 * factor)); }

double Scale::twips(int px) const { return std::round(px * 15.0 / factor); }

ClientSize clientSize(const Window& w) {
  const Rect& r = w.geometry();
  if (w.border == BorderStyle::None) return {r.width, r.height};
  double height = w.clientHeight;
  if (w.outerHeight && r.height > 0) height = r.height - kDecorationTwips;
  return {w.clientWidth, height};
}

std::optional<PixelPoint> placeOnScreen(const PixelRect& frame, const std::vector<PixelRect>& areas,
                                        const PixelRect& mainArea) {
  const int wantW = std::min(frame.width, kGraspWidth);
  const int wantH = std::min(frame.height, kGraspHeight);
  for (const PixelRect& a : areas) {
    if (overlap(frame.x, frame.width, a.x, a.width) >= wantW &&
        overlap(frame.y, frame.height, a.y, a.height) >= wantH)
      return std::nullopt;
  }
  const int x = std::clamp(frame.x, mainArea.x, std::max(mainArea.x, mainArea.x + mainArea.width - frame.width));
  const int y = std::clamp(frame.y, mainArea.y, std::max(mainArea.y, mainArea.y + mainArea.height - frame.height));
  return PixelPoint{x, y};
}

PixelPoint centredIn(const PixelRect& area, int width, int height) {
  return {area.x + (area.width - width) / 2, area.y + (area.height - height) / 2};
}

bool contains(const Rect& r, double x, double y) {
  return x >= r.left && y >= r.top && x < r.left + r.width && y < r.top + r.height;
}

std::vector<Rect> sharedParts(const Control& label) {
  std::vector<Rect> parts;
  const Rect& a = label.geometry();
  for (const Control* c : label.window().controls()) {
    if (c == &label || !c->visible() || c->kind() == ControlKind::Frame || c->kind() == ControlKind::Line)
      continue;
    const Rect& b = c->geometry();
    const double left = std::max(a.left, b.left);
    const double top = std::max(a.top, b.top);
    const double right = std::min(a.left + a.width, b.left + b.width);
    const double bottom = std::min(a.top + a.height, b.top + b.height);
    if (right > left && bottom > top) parts.push_back({left, top, right - left, bottom - top});
  }
  return parts;
}

bool showsCaption(const Control& c) {
  switch (traitsOf(c.kind()).caption) {
    case ControlTraits::Caption::Text: return !c.text().empty();
    case ControlTraits::Caption::TextUnlessPicture: return !c.text().empty() && c.picture.empty();
    case ControlTraits::Caption::None: return false;
  }
  return false;
}

double roomToRight(const Control& c) {
  const Rect& r = c.geometry();
  return std::max(0.0, growthLimit(c, true) - (r.left + r.width));
}

double roomBelow(const Control& c) {
  const Rect& r = c.geometry();
  return std::max(0.0, growthLimit(c, false) - (r.top + r.height));
}

CaptionFit fitCaption(const Control& c, Scale s, double points, const MeasureCaption& measure) {
  const Rect design = c.geometry();
  CaptionFit fit{design, points, true};
  if (!showsCaption(c) || !measure) return fit;
  const double widest = design.width + roomToRight(c);
  const double tallest = design.height + roomBelow(c);
  const bool wraps = c.wrapsText();
  // A wrapping label first tries its own width, then the widest it may take;
  // and both first in its own height, so that a heading that fits on its one
  // line when a little wider is not broken onto a second line below.
  std::vector<double> widths{design.width};
  if (wraps && widest > design.width) widths.push_back(widest);
  std::vector<double> heights{design.height};
  if (tallest > design.height) heights.push_back(tallest);
  for (double p = points;; p = std::max(kSmallestPoints, p - kPointStep)) {
    for (double height : heights)
      for (double width : widths) {
        const TextExtent need = measure(p, wraps ? s.px(width) : 0);
        if (need.width > s.px(wraps ? width : widest) || need.height > s.px(height)) continue;
        fit.box.width = std::max(design.width, wraps ? width : s.twips(need.width));
        fit.box.height = std::max(design.height, s.twips(need.height));
        fit.points = p;
        return fit;
      }
    if (p <= kSmallestPoints) break;
  }
  fit.box.width = widest;
  fit.box.height = tallest;
  fit.points = std::min(points, kSmallestPoints);
  fit.fits = false;
  return fit;
}

Control* frameAt(const Window& window, double x, double y) {
  Control* innermost = nullptr;
  for (Control* c : window.controls()) {
    if (c->kind() != ControlKind::Frame || !c->visible()) continue;
    const Rect& r = c->geometry();
    if (!contains(r, x, y)) continue;
    const Rect* best = innermost ? &innermost->geometry() : nullptr;
    if (!best || r.width * r.height < best->width * best->height) innermost = c;
  }
  return innermost;
}

}  // namespace kvirlo
