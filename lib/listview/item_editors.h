// The list view's three in-place editors (edit box, spin control, combo box): the keys and
// focus changes that end an edit. Opening an editor over a cell is the caller's business.
#ifndef ZOR_LISTVIEW_ITEM_EDITORS_H
#define ZOR_LISTVIEW_ITEM_EDITORS_H

#include <windows.h>

#include "lib/controls/combobox.h"
#include "lib/controls/edit.h"
#include "lib/controls/spin.h"

namespace ZOR {

class Cc_listview;

// Why an edit-box or spin edit ended: the extra data of the "edit ended" notification.
enum Edit_end_reason : int {
  edit_end_focus_lost = 0,
  edit_end_enter = 1,
  edit_end_escape = 2,
  edit_end_up = 3,
  edit_end_down = 4,
};

// The in-place edit box. Enter, Up and Down commit (reasons 1, 3, 4), Escape ends without
// committing (2), losing the focus commits (0) unless it went to partner; the mouse wheel
// is swallowed so that it cannot scroll the list under the open editor.
class Citem_edit : public Cc_edit {
 public:
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;

  Cc_listview* list = nullptr;
  C_window_base* partner = nullptr;  // the spin control when spin editing; not owned
};

// The in-place up-down control (its buddy is the edit box): losing the focus commits
// (reason 0) unless it went to partner.
class Citem_spin : public Cc_spin {
 public:
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;

  Cc_listview* list = nullptr;
  C_window_base* partner = nullptr;  // the edit box; not owned
};

// The in-place combo box: losing the focus ends the edit without a change. Its choice
// reaches the list as WM_COMMAND (CBN_SELENDOK, CBN_SELENDCANCEL).
class Citem_combo : public Cc_combobox {
 public:
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;

  Cc_listview* list = nullptr;
};

}  // namespace ZOR

#endif
