#include "platform/win32/button_face.h"

#include <cstdint>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/pictures.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {
namespace {

// A disabled button's picture in greys, lighter than the picture was.
std::uint32_t greyed(std::uint32_t pixel) {
  const std::uint32_t r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  const std::uint32_t grey = 96 + (r * 30 + g * 59 + b * 11) / 200;
  return grey << 16 | grey << 8 | grey;
}

// The face's pixels drawn on `background`: width x height, top row first.
std::vector<std::uint32_t> faceOn(COLORREF background, const ButtonFace& face, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  MemoryDc memory;
  const HDC dc = memory.get();
  Bitmap bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  std::vector<std::uint32_t> pixels;
  if (dc && bitmap.get() && bits) {
    HGDIOBJ old = SelectObject(dc, bitmap.get());
    RECT area{0, 0, width, height};
    Brush back(CreateSolidBrush(background));
    FillRect(dc, &area, back.get());
    if (!face.picture.empty()) {
      drawPicture(dc, area, face.picture);
    } else {
      HGDIOBJ oldFont = SelectObject(dc, face.font);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(face.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
      DrawTextW(dc, wide(face.caption).c_str(), -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
      SelectObject(dc, oldFont);
    }
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    pixels.assign(first, first + static_cast<std::size_t>(width) * height);
    SelectObject(dc, old);
  }
  return pixels;
}

}  // namespace

HICON buttonIcon(const ButtonFace& face, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  const auto onBlack = faceOn(RGB(0, 0, 0), face, width, height);
  const auto onWhite = faceOn(RGB(255, 255, 255), face, width, height);
  auto onFace = faceOn(GetSysColor(COLOR_BTNFACE), face, width, height);
  const std::size_t count = static_cast<std::size_t>(width) * height;
  if (onBlack.size() != count || onWhite.size() != count || onFace.size() != count) return nullptr;
  // The mask's rows are whole 16-bit words; a set bit leaves the screen as it is.
  const int stride = (width + 15) / 16 * 2;
  std::vector<std::uint8_t> mask(static_cast<std::size_t>(stride) * height, 0);
  std::vector<std::uint32_t>& colour = onFace;
  const bool grey = !face.enabled && !face.picture.empty();  // a caption is drawn grey already
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * width + x;
      if ((onBlack[i] & 0xFFFFFF) != 0 || (onWhite[i] & 0xFFFFFF) != 0xFFFFFF) {
        if (grey) colour[i] = greyed(colour[i]);
        continue;
      }
      mask[static_cast<std::size_t>(y) * stride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      colour[i] = 0;  // the screen shows through
    }
  }
  Bitmap maskBitmap(CreateBitmap(width, height, 1, 1, mask.data()));
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  Bitmap colourBitmap(CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, colour.data(), &info, DIB_RGB_COLORS));
  ReleaseDC(nullptr, screen);
  if (!maskBitmap.get() || !colourBitmap.get()) return nullptr;
  ICONINFO icon{TRUE, 0, 0, maskBitmap.get(), colourBitmap.get()};
  return CreateIconIndirect(&icon);  // it copies both bitmaps
}

}  // namespace kvirlo::win32
