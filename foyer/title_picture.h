// The title picture: Setup.bmp loaded once into a 32-bit surface, and the window that paints it.
#ifndef FOYER_TITLE_PICTURE_H
#define FOYER_TITLE_PICTURE_H

#include <string>

#include "lib/controls/static.h"
#include "lib/controls/surface.h"

// The picture of this process; filled by load_title_bitmap, read by every paint.
extern ZOR::Csurface title_surface;

// Loads the 24- or 32-bit bitmap at path into title_surface, upright. An unsupported
// depth shows "24bit / 32bit 以外のビットマップには対応していません。" (caption "エラー")
// first. False when the file is no bitmap, not a DIB section, of another depth, stored
// top-down or empty; the surface is then reset.
bool load_title_bitmap(const std::wstring& path);

// The picture window of the menu (item 1002): paints title_surface at its top-left corner,
// scaled by the window's DPI / 96 like the rest of the menu.
class C_menu_picture : public ZOR::Cc_picture {
 public:
  // WM_PAINT: one SetDIBitsToDevice at 96 DPI, one StretchDIBits at others; then every
  // message goes on to Cc_picture.
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;
};

#endif
