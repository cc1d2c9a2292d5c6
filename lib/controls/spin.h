// Up-down (spin) controls.
#ifndef ZOR_CONTROLS_SPIN_H
#define ZOR_CONTROLS_SPIN_H

#include "lib/window/window_base.h"

namespace ZOR {

// An up-down control; the base of the list view's spin editor.
class Cc_spin : public C_control {
 public:
  Cc_spin();
};

}  // namespace ZOR

#endif
