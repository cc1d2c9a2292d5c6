// Window geometry: minimum size and anchoring. Snapping and splitter bars are hooks that
// leave the rectangle and the cursor to the system until they are filled in.
#include "lib/window/geometry.h"

#include <algorithm>

#include "lib/window/dialog.h"
#include "lib/window/window_base.h"

namespace ZOR {

Cdrag_state drag_state;

void end_snap_drag() { drag_state = Cdrag_state(); }

void snap_moving_rect(C_window_base&, RECT&) {}

void snap_sizing_rect(C_window_base&, WPARAM, RECT&) {}

void apply_min_size(const C_window_base& window, WPARAM edge, RECT& proposed) {
  const RECT& initial = window.create_window_rect;
  const int width = std::max<int>(proposed.right - proposed.left, initial.right - initial.left);
  const int height = std::max<int>(proposed.bottom - proposed.top, initial.bottom - initial.top);
  if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT) {
    proposed.left = proposed.right - width;
  }
  if (edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT) {
    proposed.right = proposed.left + width;
  }
  if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT) {
    proposed.top = proposed.bottom - height;
  }
  if (edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT) {
    proposed.bottom = proposed.top + height;
  }
}

void apply_anchor(C_window_base& control, int dx, int dy) {
  if (control.hwnd == nullptr || control.anchor <= 0) return;
  const int column = (control.anchor - 1) % 3;
  const int row = (9 - control.anchor) / 3;
  RECT rect = control.rect_in_parent;
  if (column == 2) rect.left += dx;
  if (column >= 1) rect.right += dx;
  if (row == 2) rect.top += dy;
  if (row >= 1) rect.bottom += dy;
  SetWindowPos(control.hwnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOACTIVATE | SWP_NOZORDER);
  InvalidateRect(control.hwnd, nullptr, FALSE);
}

void anchor_children(C_dialog& dialog, int client_width, int client_height) {
  const RECT& initial = dialog.create_client_rect;
  const int dx = client_width - (initial.right - initial.left);
  const int dy = client_height - (initial.bottom - initial.top);
  for (C_window_base* child : dialog.children) apply_anchor(*child, dx, dy);
}

void layout_splitters(C_dialog&) {}

bool splitter_set_cursor(C_dialog&) { return false; }

bool splitter_mouse(C_dialog&, UINT, LPARAM) { return false; }

}  // namespace ZOR
