// The DPI of a window and lengths scaled to it.
#include "lib/window/dpi.h"

namespace ZOR {

int window_dpi(HWND window) {
  using Cget_dpi_for_window = UINT(WINAPI*)(HWND);
  static const auto get_dpi_for_window = reinterpret_cast<Cget_dpi_for_window>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (get_dpi_for_window != nullptr && window != nullptr) {
    const UINT dpi = get_dpi_for_window(window);
    if (dpi != 0) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : base_dpi;
}

}  // namespace ZOR
