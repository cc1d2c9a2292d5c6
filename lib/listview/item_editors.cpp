// The in-place editors' keys and focus: each hands the end of the edit to its list.
#include "lib/listview/item_editors.h"

#include "lib/listview/listview.h"

namespace ZOR {

namespace {

// Whether the focus went from an editor to its partner, which keeps the edit open.
bool focus_went_to(const C_window_base* partner, WPARAM gaining_focus) {
  return partner != nullptr && partner->hwnd != nullptr && reinterpret_cast<HWND>(gaining_focus) == partner->hwnd;
}

}  // namespace

LRESULT Citem_edit::window_proc(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_KEYDOWN:
      if (list == nullptr) break;
      switch (wparam) {
        case VK_RETURN:
          list->end_edit(true, edit_end_enter);
          return 0;
        case VK_UP:
          list->end_edit(true, edit_end_up);
          return 0;
        case VK_DOWN:
          list->end_edit(true, edit_end_down);
          return 0;
        case VK_ESCAPE:
          list->end_edit(false, edit_end_escape);
          return 0;
        default:
          break;
      }
      break;
    case WM_MOUSEWHEEL:
      // Swallowed: the wheel would scroll the list away from the open editor.
      return 0;
    case WM_KILLFOCUS:
      if (list != nullptr && list->editing && !focus_went_to(partner, wparam)) {
        list->end_edit(true, edit_end_focus_lost);
        return 0;
      }
      break;
    default:
      break;
  }
  return Cc_edit::window_proc(message, wparam, lparam);
}

LRESULT Citem_spin::window_proc(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_KILLFOCUS && list != nullptr && list->editing && !focus_went_to(partner, wparam)) {
    list->end_edit(true, edit_end_focus_lost);
    return 0;
  }
  return Cc_spin::window_proc(message, wparam, lparam);
}

LRESULT Citem_combo::window_proc(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_KILLFOCUS && list != nullptr && list->editing) {
    list->cancel_combo_edit();
    return 0;
  }
  return Cc_combobox::window_proc(message, wparam, lparam);
}

}  // namespace ZOR
