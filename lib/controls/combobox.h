// Combo boxes.
#ifndef ZOR_CONTROLS_COMBOBOX_H
#define ZOR_CONTROLS_COMBOBOX_H

#include <string>

#include "lib/window/window_base.h"

namespace ZOR {

// A combo box; the base of the list view's combo editor.
class Cc_combobox : public C_control {
 public:
  Cc_combobox();
  // The text of item index (CB_GETLBTEXTLEN, then CB_GETLBTEXT); empty when there is no
  // such item or the box is unbound.
  std::wstring get_item_text(int index) const;
  // CB_GETCURSEL: the selected index, CB_ERR (-1) when none; -1 when unbound.
  int get_cur_sel() const;
};

}  // namespace ZOR

#endif
