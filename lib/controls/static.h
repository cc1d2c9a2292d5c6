// Static controls: text labels and pictures.
#ifndef ZOR_CONTROLS_STATIC_H
#define ZOR_CONTROLS_STATIC_H

#include "lib/window/window_base.h"

namespace ZOR {

// A label whose text the program changes.
class Cc_static : public C_control {
 public:
  Cc_static();
};

// A static control that paints a picture: the base of picture windows that handle their
// own messages. Its window_proc passes everything on unchanged.
class Cc_picture : public C_control {
 public:
  Cc_picture();
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;
};

}  // namespace ZOR

#endif
