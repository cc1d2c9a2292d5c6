// Up-down (spin) controls.
#include "lib/controls/spin.h"

#include <commctrl.h>

namespace ZOR {

Cc_spin::Cc_spin() : C_control(UPDOWN_CLASSW) {}

}  // namespace ZOR
