// Placing the mouse cursor for window tests whose code reads GetCursorPos.
#ifndef ZOR_TESTS_UNIT_GEOMETRY_PLACE_CURSOR_H
#define ZOR_TESTS_UNIT_GEOMETRY_PLACE_CURSOR_H

#include <windows.h>

namespace zor_test {

// Puts the cursor at (x, y) in screen coordinates and waits until the system reports it
// there on several looks in a row: the display may still deliver pointer motion from an
// earlier placement, which would move it back. False when it does not settle.
inline bool place_cursor(LONG x, LONG y) {
  int steady = 0;
  SetCursorPos(x, y);
  for (int attempt = 0; attempt < 500 && steady < 5; ++attempt) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(2);
    POINT now;
    GetCursorPos(&now);
    if (now.x == x && now.y == y) {
      ++steady;
    } else {
      steady = 0;
      SetCursorPos(x, y);
    }
  }
  return steady >= 5;
}

}  // namespace zor_test

#endif
