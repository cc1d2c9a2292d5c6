// Bringing a window to the front.
#include "lib/launch/foreground.h"

namespace ZOR {

bool bring_to_front(HWND window) {
  const DWORD window_thread = GetWindowThreadProcessId(window, nullptr);
  HWND foreground = GetForegroundWindow();
  // With no foreground window there is no thread to borrow the input from; attaching to
  // thread 0 would fail and leave the window behind.
  const DWORD foreground_thread = foreground != nullptr ? GetWindowThreadProcessId(foreground, nullptr) : 0;
  if (foreground_thread == 0 || foreground_thread == window_thread) {
    return SetForegroundWindow(window) != FALSE;
  }
  if (!AttachThreadInput(window_thread, foreground_thread, TRUE)) return false;
  SetActiveWindow(window);
  DWORD saved_timeout = 0;
  SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &saved_timeout, 0);
  SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, 0);
  SetActiveWindow(window);
  SetForegroundWindow(window);
  SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<PVOID>(static_cast<UINT_PTR>(saved_timeout)), 0);
  const bool detached = AttachThreadInput(window_thread, foreground_thread, FALSE) != FALSE;
  // Under Wine the foreground set while the input was shared can be lost again with the
  // detach (the foreground then reads as none); setting it once more is harmless where
  // it held.
  if (GetForegroundWindow() != window) SetForegroundWindow(window);
  return detached;
}

}  // namespace ZOR
