// Push buttons, check boxes and radio buttons of a dialog.
#ifndef ZOR_CONTROLS_BUTTON_H
#define ZOR_CONTROLS_BUTTON_H

#include "lib/window/window_base.h"

namespace ZOR {

// A push button: a click reaches the dialog as WM_COMMAND with BN_CLICKED.
class Cc_button : public C_control {
 public:
  Cc_button();
  // Shows or removes the elevation shield (BCM_SETSHIELD) on the button's face.
  void set_shield(bool shield);
};

// A check box (two- or three-state).
class Cc_check : public C_control {
 public:
  Cc_check();
  // BM_SETCHECK with 1 or 0.
  void set_check(bool checked);
  // The lowest bit of BM_GETCHECK: an indeterminate box reads as unchecked; false when unbound.
  bool get_check() const;
};

// A radio button; the template's auto-radio style keeps a group exclusive.
class Cc_radio : public C_control {
 public:
  Cc_radio();
  // BM_SETCHECK with 1 or 0.
  void set_check(bool checked);
  // The lowest bit of BM_GETCHECK; false when unbound.
  bool get_check() const;
};

}  // namespace ZOR

#endif
