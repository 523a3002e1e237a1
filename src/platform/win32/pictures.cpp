#include "platform/win32/pictures.h"

#include <algorithm>

#include "platform/win32/handles.h"

namespace kvirlo::win32 {
namespace {

constexpr int kIconResource = 1;

HICON loadIcon(int sizeMetricX, int sizeMetricY) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource),
                                       IMAGE_ICON, GetSystemMetrics(sizeMetricX),
                                       GetSystemMetrics(sizeMetricY), LR_SHARED));
}

// Drawing on a 32-unit square laid over `area`.
struct Grid {
  const RECT& area;
  int x(double u) const { return area.left + static_cast<int>(u * (area.right - area.left) / 32.0); }
  int y(double u) const { return area.top + static_cast<int>(u * (area.bottom - area.top) / 32.0); }
};

// Selects a pen and a brush for a drawing and puts the old ones back.
class Tools {
 public:
  Tools(HDC dc, COLORREF pen, int width, COLORREF brush)
      : dc_(dc), pen_(CreatePen(PS_SOLID, width, pen)), brush_(CreateSolidBrush(brush)) {
    oldPen_ = SelectObject(dc_, pen_.get());
    oldBrush_ = SelectObject(dc_, brush_.get());
  }
  ~Tools() {
    SelectObject(dc_, oldPen_);
    SelectObject(dc_, oldBrush_);
  }
  Tools(const Tools&) = delete;
  Tools& operator=(const Tools&) = delete;

 private:
  HDC dc_;
  GdiObject<HPEN> pen_;
  Brush brush_;
  HGDIOBJ oldPen_;
  HGDIOBJ oldBrush_;
};

void drawCross(HDC dc, const RECT& r) {
  {
    Tools frame(dc, RGB(200, 200, 200), 1, RGB(0, 0, 0));
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
  }
  Tools cross(dc, RGB(255, 255, 255), 2, RGB(0, 0, 0));
  const int m = std::max<int>(3, (r.right - r.left) / 4);
  MoveToEx(dc, r.left + m, r.top + m, nullptr);
  LineTo(dc, r.right - m, r.bottom - m);
  MoveToEx(dc, r.right - m, r.top + m, nullptr);
  LineTo(dc, r.left + m, r.bottom - m);
}

void drawBell(HDC dc, const RECT& r) {
  const Grid g{r};
  {
    Tools body(dc, RGB(120, 80, 0), 1, RGB(250, 200, 40));
    const POINT outline[] = {{g.x(6), g.y(24)},  {g.x(9), g.y(17)},  {g.x(10), g.y(10)},
                             {g.x(16), g.y(6)},  {g.x(22), g.y(10)}, {g.x(23), g.y(17)},
                             {g.x(26), g.y(24)}};
    Polygon(dc, outline, static_cast<int>(std::size(outline)));
    Ellipse(dc, g.x(13.5), g.y(24), g.x(18.5), g.y(29));
  }
  Tools waves(dc, RGB(200, 40, 40), 2, RGB(0, 0, 0));
  Arc(dc, g.x(1), g.y(6), g.x(9), g.y(18), g.x(5), g.y(6), g.x(1), g.y(14));
  Arc(dc, g.x(23), g.y(6), g.x(31), g.y(18), g.x(31), g.y(14), g.x(27), g.y(6));
}

void drawFolder(HDC dc, const RECT& r) {
  const Grid g{r};
  Tools folder(dc, RGB(140, 100, 20), 1, RGB(240, 200, 90));
  Rectangle(dc, g.x(4), g.y(6), g.x(14), g.y(12));
  Rectangle(dc, g.x(4), g.y(10), g.x(28), g.y(27));
}

}  // namespace

HICON smallAppIcon() { return loadIcon(SM_CXSMICON, SM_CYSMICON); }
HICON largeAppIcon() { return loadIcon(SM_CXICON, SM_CYICON); }

void drawPicture(HDC dc, const RECT& area, const std::string& name) {
  if (name == "close-box") drawCross(dc, area);
  if (name == "bell") drawBell(dc, area);
  if (name == "open-folder") drawFolder(dc, area);
  if (name == "app") {
    const int side = std::min(area.right - area.left, area.bottom - area.top);
    DrawIconEx(dc, area.left, area.top, largeAppIcon(), side, side, 0, nullptr, DI_NORMAL);
  }
}

void drawAlertBackground(HDC dc, const RECT& area) {
  Brush green(CreateSolidBrush(RGB(192, 255, 192)));
  FillRect(dc, &area, green.get());
  Tools rings(dc, RGB(170, 235, 170), 3, RGB(0, 0, 0));
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  const int cx = area.right - 30;
  const int cy = area.bottom - 20;
  for (int radius = 20; radius < area.right - area.left; radius += 28)
    Ellipse(dc, cx - radius, cy - radius, cx + radius, cy + radius);
}

}  // namespace kvirlo::win32
