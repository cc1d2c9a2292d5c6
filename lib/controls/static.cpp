// Static controls: text labels and pictures.
#include "lib/controls/static.h"

namespace ZOR {

Cc_static::Cc_static() : C_control(L"Static") {}

Cc_picture::Cc_picture() : C_control(L"Static") {}

LRESULT Cc_picture::window_proc(UINT message, WPARAM wparam, LPARAM lparam) {
  return C_control::window_proc(message, wparam, lparam);
}

}  // namespace ZOR
