// A 32-bit top-down pixel surface in the exact layout that SetDIBitsToDevice takes, so that
// a picture window paints it with one call and no conversion.
#ifndef ZOR_CONTROLS_SURFACE_H
#define ZOR_CONTROLS_SURFACE_H

#include <windows.h>

#include <cstdint>
#include <vector>

namespace ZOR {

// The header SetDIBitsToDevice reads: BITMAPINFOHEADER followed by three colour masks.
struct Csurface_header {
  BITMAPINFOHEADER header;
  DWORD masks[3];
};

// Owns its pixel block. Rows run from top to bottom, each pixel 4 bytes: blue, green, red
// and a fourth byte. Not copyable (one surface, one block).
class Csurface {
 public:
  Csurface() { reset(); }
  Csurface(const Csurface&) = delete;
  Csurface& operator=(const Csurface&) = delete;

  // Frees the pixels and sets width, height, stride and size to 0.
  void reset();
  // Resets, then makes a surface of width by height pixels, all bytes 0, with its header
  // (biHeight = -height, 32 bits, BI_BITFIELDS, masks red 0x00FF0000, green 0x0000FF00,
  // blue 0x000000FF). False (and reset) when width or height is below 1 or the size
  // does not fit in 32 bits.
  bool create(std::int32_t new_width, std::int32_t new_height);
  // True when the surface holds a picture.
  bool has_pixels() const { return size > 0; }
  // First byte of row y (0 is the top row).
  std::uint8_t* row(std::int32_t y) { return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride); }
  // Draws the surface unscaled with its top-left corner at x, y of dc (one
  // SetDIBitsToDevice). Nothing when it holds no picture.
  void paint(HDC dc, int x, int y) const;
  // Draws the surface into the width by height rectangle at x, y of dc: unscaled (paint)
  // when that is the surface's own size, else stretched with StretchDIBits (halftone).
  void paint_scaled(HDC dc, int x, int y, int dest_width, int dest_height) const;

  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t stride = 0;  // width * 4
  std::int32_t size = 0;    // stride * height
  std::vector<std::uint8_t> pixels;
  Csurface_header info = {};
};

}  // namespace ZOR

#endif
