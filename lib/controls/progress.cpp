// Progress bars.
#include "lib/controls/progress.h"

#include <commctrl.h>

namespace ZOR {

Cc_progress::Cc_progress() : C_control(L"") {}

void Cc_progress::set_range(int maximum) {
  if (hwnd != nullptr) SendMessageW(hwnd, PBM_SETRANGE32, 0, maximum);
}

void Cc_progress::set_pos(int position) {
  if (hwnd != nullptr) SendMessageW(hwnd, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

}  // namespace ZOR
