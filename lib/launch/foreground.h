// Bringing a window to the front, also when another process owns the foreground.
#ifndef ZOR_LAUNCH_FOREGROUND_H
#define ZOR_LAUNCH_FOREGROUND_H

#include <windows.h>

namespace ZOR {

// Makes window the foreground window. When its thread owns the foreground already (or
// nothing is in the foreground) it is only set as foreground window, and the result of
// that is returned. Otherwise its thread borrows the foreground thread's input and the
// foreground lock time-out is set to 0 for the switch and restored afterwards. Returns
// false when the input cannot be attached, else the result of detaching it again.
// Records nothing.
bool bring_to_front(HWND window);

}  // namespace ZOR

#endif
