// A 32-bit top-down pixel surface and its one-call painting.
#include "lib/controls/surface.h"

namespace ZOR {

void Csurface::reset() {
  std::vector<std::uint8_t>().swap(pixels);
  width = 0;
  height = 0;
  stride = 0;
  size = 0;
  info = {};
}

bool Csurface::create(std::int32_t new_width, std::int32_t new_height) {
  reset();
  if (new_width < 1 || new_height < 1) return false;
  const std::int64_t bytes = static_cast<std::int64_t>(new_width) * 4 * new_height;
  if (bytes > INT32_MAX) return false;
  width = new_width;
  height = new_height;
  stride = width * 4;
  size = static_cast<std::int32_t>(bytes);
  pixels.assign(static_cast<std::size_t>(size), 0);
  BITMAPINFOHEADER& header = info.header;
  header.biSize = sizeof(BITMAPINFOHEADER);
  header.biWidth = width;
  header.biHeight = -height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_BITFIELDS;
  header.biSizeImage = static_cast<DWORD>(size);
  info.masks[0] = 0x00FF0000;
  info.masks[1] = 0x0000FF00;
  info.masks[2] = 0x000000FF;
  return true;
}

void Csurface::paint(HDC dc, int x, int y) const {
  if (!has_pixels()) return;
  SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                    static_cast<UINT>(height), pixels.data(), reinterpret_cast<const BITMAPINFO*>(&info),
                    DIB_RGB_COLORS);
}

void Csurface::paint_scaled(HDC dc, int x, int y, int dest_width, int dest_height) const {
  if (!has_pixels()) return;
  if (dest_width == width && dest_height == height) {
    paint(dc, x, y);
    return;
  }
  // Halftone averages the source pixels instead of dropping them; it needs the brush
  // origin set again afterwards.
  const int previous_mode = SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchDIBits(dc, x, y, dest_width, dest_height, 0, 0, width, height, pixels.data(),
                reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
  SetStretchBltMode(dc, previous_mode);
}

}  // namespace ZOR
