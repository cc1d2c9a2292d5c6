// Progress bars.
#ifndef ZOR_CONTROLS_PROGRESS_H
#define ZOR_CONTROLS_PROGRESS_H

#include "lib/window/window_base.h"

namespace ZOR {

// A progress bar bound from a dialog template (it has no class name of its own, so it is
// never made with create_child).
class Cc_progress : public C_control {
 public:
  Cc_progress();
  // PBM_SETRANGE32 from 0 to maximum.
  void set_range(int maximum);
  // PBM_SETPOS.
  void set_pos(int position);
};

}  // namespace ZOR

#endif
