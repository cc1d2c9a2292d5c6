// The dots per inch a window is drawn at, and lengths given at 96 DPI scaled to it.
#ifndef ZOR_WINDOW_DPI_H
#define ZOR_WINDOW_DPI_H

#include <windows.h>

namespace ZOR {

// The DPI at which length numbers given in pixels are meant: 100% scaling.
constexpr int base_dpi = 96;

// The DPI of window: GetDpiForWindow where the system has it (Windows 10 1607 and later,
// looked up at run time), else the screen's LOGPIXELSX. base_dpi when neither answers.
int window_dpi(HWND window);

// length, given at base_dpi, at dpi (rounded to the nearest pixel).
inline int scale_to_dpi(int length, int dpi) { return MulDiv(length, dpi, base_dpi); }

}  // namespace ZOR

#endif
