#include "platform/view_layout.h"

#include <algorithm>
#include <cmath>

#include "platform/window.h"

namespace kvirlo {
namespace {

// Title bar and borders, in twips, that the main window's outer heights
// allow for.
constexpr double kDecorationTwips = 465;

// Enough of a window to take hold of it and drag it.
constexpr int kGraspWidth = 40;
constexpr int kGraspHeight = 20;

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
