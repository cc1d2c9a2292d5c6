// The title picture: loading Setup.bmp into the 32-bit surface and painting it.
#include "foyer/title_picture.h"

#include <windows.h>

#include <cstring>

#include "lib/error/error.h"
#include "lib/rules/picture_headers.h"
#include "lib/rules/platform_files.h"
#include "lib/window/application.h"
#include "lib/window/dpi.h"

ZOR::Csurface title_surface;

namespace {

// Owns one GDI bitmap and deletes it on every path.
class Cbitmap_owner {
 public:
  explicit Cbitmap_owner(HBITMAP bitmap) : bitmap_(bitmap) {}
  ~Cbitmap_owner() {
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
  }
  Cbitmap_owner(const Cbitmap_owner&) = delete;
  Cbitmap_owner& operator=(const Cbitmap_owner&) = delete;
  HBITMAP get() const { return bitmap_; }

 private:
  HBITMAP bitmap_;
};

// True when the file's info header stores its rows top-down (a negative height). The
// platform's loader cannot be asked: under Wine it hands such a file back as a bottom-up
// bitmap with blank pixels. A file too short to tell is left to the loader.
bool stored_top_down(const std::wstring& path) {
  std::string head;
  if (!ZOR::platform_files().read_head(path, ZOR::bitmap_head_size, head)) return false;
  return ZOR::bitmap_stored_top_down(reinterpret_cast<const unsigned char*>(head.data()), head.size());
}

}  // namespace

bool load_title_bitmap(const std::wstring& path) {
  title_surface.reset();
  if (stored_top_down(path)) return false;
  Cbitmap_owner bitmap(static_cast<HBITMAP>(LoadImageW(ZOR::application.instance, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                         LR_CREATEDIBSECTION | LR_LOADFROMFILE)));
  if (bitmap.get() == nullptr) return false;
  // The size of the 64-bit structure: the 84 bytes of the 32-bit one would never match here.
  DIBSECTION section = {};
  if (GetObjectW(bitmap.get(), sizeof section, &section) != static_cast<int>(sizeof section)) return false;
  const int bits = section.dsBmih.biBitCount;
  if (!ZOR::is_title_bitmap_depth(bits)) {
    ZOR::show_error(ZOR::title_bitmap_depth_message());
    return false;
  }
  const std::int32_t height = section.dsBm.bmHeight;
  if (section.dsBm.bmBits == nullptr || !title_surface.create(section.dsBm.bmWidth, height)) return false;
  // Each stored row holds its filler bytes up to a multiple of 4; a section of a positive
  // height keeps its rows bottom-up.
  const std::size_t source_stride = static_cast<std::size_t>(section.dsBm.bmWidthBytes);
  const auto* source = static_cast<const std::uint8_t*>(section.dsBm.bmBits);
  const bool bottom_up = section.dsBmih.biHeight > 0;
  for (std::int32_t r = 0; r < height; ++r) {
    const std::int32_t source_row = bottom_up ? height - 1 - r : r;
    const std::uint8_t* from = source + static_cast<std::size_t>(source_row) * source_stride;
    std::uint8_t* to = title_surface.row(r);
    if (bits == 32) {
      std::memcpy(to, from, static_cast<std::size_t>(title_surface.stride));
      continue;
    }
    for (std::int32_t x = 0; x < title_surface.width; ++x, from += 3, to += 4) {
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
      to[3] = 255;
    }
  }
  return true;
}

LRESULT C_menu_picture::window_proc(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    // At 96 DPI the picture is drawn pixel for pixel; at others it is scaled as the menu is.
    const int dpi = ZOR::window_dpi(hwnd);
    title_surface.paint_scaled(dc, 0, 0, ZOR::scale_to_dpi(title_surface.width, dpi),
                               ZOR::scale_to_dpi(title_surface.height, dpi));
    EndPaint(hwnd, &paint);
  }
  return Cc_picture::window_proc(message, wparam, lparam);
}
