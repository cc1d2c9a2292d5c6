// Window geometry: minimum size, anchoring of controls, and snapping to other snapping
// windows and to the work area while a window is moved or sized.
#include "lib/window/geometry.h"

#include <algorithm>
#include <cstdlib>

#include "lib/window/application.h"
#include "lib/window/dialog.h"
#include "lib/window/window_base.h"

namespace ZOR {

Cdrag_state drag_state;

namespace {

bool drags_left(WPARAM edge) { return edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT; }
bool drags_right(WPARAM edge) { return edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT; }
bool drags_top(WPARAM edge) { return edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT; }
bool drags_bottom(WPARAM edge) { return edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT; }

// Records target - edge in *shift when the edge moves and lies within snap_distance.
void look_for_target(bool moves, LONG edge, LONG target, int* shift, bool* found) {
  if (moves && std::abs(edge - target) <= snap_distance) {
    *shift = target - edge;
    *found = true;
  }
}

// Work area of the monitor that holds the centre of rect.
RECT work_area_at(const RECT& rect) {
  const POINT centre = {rect.left + (rect.right - rect.left) / 2, rect.top + (rect.bottom - rect.top) / 2};
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  HMONITOR monitor = MonitorFromPoint(centre, MONITOR_DEFAULTTONEAREST);
  if (monitor != nullptr && GetMonitorInfoW(monitor, &info)) return info.rcWork;
  RECT work = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

// The other visible snapping windows near rect, then the work area.
std::vector<RECT> snap_candidates(HWND self, const RECT& rect) {
  std::vector<RECT> candidates;
  for (HWND other : snap_list) {
    if (other == self || (GetWindowLongPtrW(other, GWL_STYLE) & WS_VISIBLE) == 0) continue;
    RECT other_rect;
    if (GetWindowRect(other, &other_rect) && near_rect(rect, other_rect)) candidates.push_back(other_rect);
  }
  candidates.push_back(work_area_at(rect));
  return candidates;
}

}  // namespace

RECT min_size_rect(const RECT& proposed, WPARAM edge, int min_width, int min_height) {
  RECT rect = proposed;
  const int width = std::max<int>(rect.right - rect.left, min_width);
  const int height = std::max<int>(rect.bottom - rect.top, min_height);
  if (drags_left(edge)) rect.left = rect.right - width;
  if (drags_right(edge)) rect.right = rect.left + width;
  if (drags_top(edge)) rect.top = rect.bottom - height;
  if (drags_bottom(edge)) rect.bottom = rect.top + height;
  return rect;
}

RECT anchored_rect(const RECT& rect, int anchor, int dx, int dy) {
  RECT moved = rect;
  if (anchor < 1 || anchor > 9) return moved;
  const int column = (anchor - 1) % 3;
  const int row = (9 - anchor) / 3;
  if (column == 2) moved.left += dx;
  if (column >= 1) moved.right += dx;
  if (row == 2) moved.top += dy;
  if (row >= 1) moved.bottom += dy;
  return moved;
}

Cdrag_state begin_move(HWND window, POINT cursor, const RECT& proposed) {
  Cdrag_state drag;
  drag.drag_window = window;
  drag.drag_kind = 1;
  drag.cursor_offset = {cursor.x - proposed.left, cursor.y - proposed.top};
  drag.window_size = {proposed.right - proposed.left, proposed.bottom - proposed.top};
  drag.move_left = drag.move_right = drag.move_top = drag.move_bottom = true;
  return drag;
}

Cdrag_state begin_sizing(HWND window, WPARAM edge, POINT cursor, const RECT& proposed) {
  Cdrag_state drag;
  drag.drag_window = window;
  drag.drag_kind = 2;
  drag.move_left = drags_left(edge);
  drag.move_right = drags_right(edge);
  drag.move_top = drags_top(edge);
  drag.move_bottom = drags_bottom(edge);
  if (drag.move_left) drag.cursor_offset.x = cursor.x - proposed.left;
  if (drag.move_right) drag.cursor_offset.x = cursor.x - proposed.right;
  if (drag.move_top) drag.cursor_offset.y = cursor.y - proposed.top;
  if (drag.move_bottom) drag.cursor_offset.y = cursor.y - proposed.bottom;
  return drag;
}

RECT dragged_rect(const Cdrag_state& drag, POINT cursor, const RECT& proposed) {
  RECT rect = proposed;
  const LONG x = cursor.x - drag.cursor_offset.x;
  const LONG y = cursor.y - drag.cursor_offset.y;
  if (drag.drag_kind == 1) {
    rect = {x, y, x + drag.window_size.cx, y + drag.window_size.cy};
  } else if (drag.drag_kind == 2) {
    if (drag.move_left) rect.left = x;
    if (drag.move_right) rect.right = x;
    if (drag.move_top) rect.top = y;
    if (drag.move_bottom) rect.bottom = y;
  }
  return rect;
}

bool near_rect(const RECT& rect, const RECT& candidate) {
  return candidate.left - snap_distance <= rect.right && rect.left <= candidate.right + snap_distance &&
         candidate.top - snap_distance <= rect.bottom && rect.top <= candidate.bottom + snap_distance;
}

RECT snapped_rect(const RECT& rect, const Cdrag_state& drag, const std::vector<RECT>& candidates) {
  int left = 0, right = 0, top = 0, bottom = 0, across = 0, down = 0;
  bool found_left = false, found_right = false, found_top = false, found_bottom = false;
  bool found_across = false, found_down = false;
  for (const RECT& candidate : candidates) {
    for (LONG target : {candidate.left, candidate.right}) {
      look_for_target(drag.move_left, rect.left, target, &left, &found_left);
      look_for_target(drag.move_left, rect.left, target, &across, &found_across);
      look_for_target(drag.move_right, rect.right, target, &right, &found_right);
      look_for_target(drag.move_right, rect.right, target, &across, &found_across);
    }
    for (LONG target : {candidate.top, candidate.bottom}) {
      look_for_target(drag.move_top, rect.top, target, &top, &found_top);
      look_for_target(drag.move_top, rect.top, target, &down, &found_down);
      look_for_target(drag.move_bottom, rect.bottom, target, &bottom, &found_bottom);
      look_for_target(drag.move_bottom, rect.bottom, target, &down, &found_down);
    }
  }
  RECT snapped = rect;
  if (drag.drag_kind == 1) {
    // A move shifts opposite edges together by the last target found for either.
    snapped.left += across;
    snapped.right += across;
    snapped.top += down;
    snapped.bottom += down;
  } else {
    snapped.left += left;
    snapped.right += right;
    snapped.top += top;
    snapped.bottom += bottom;
  }
  return snapped;
}

void end_snap_drag() { drag_state = Cdrag_state(); }

void snap_moving_rect(C_window_base& window, RECT& proposed) {
  POINT cursor;
  if (window.hwnd == nullptr || !GetCursorPos(&cursor)) return;
  if (drag_state.drag_window != window.hwnd || drag_state.drag_kind != 1) {
    drag_state = begin_move(window.hwnd, cursor, proposed);
  }
  const RECT rect = dragged_rect(drag_state, cursor, proposed);
  proposed = snapped_rect(rect, drag_state, snap_candidates(window.hwnd, rect));
}

void snap_sizing_rect(C_window_base& window, WPARAM edge, RECT& proposed) {
  POINT cursor;
  if (window.hwnd == nullptr || !GetCursorPos(&cursor)) return;
  if (drag_state.drag_window != window.hwnd || drag_state.drag_kind != 2) {
    drag_state = begin_sizing(window.hwnd, edge, cursor, proposed);
  }
  const RECT rect = dragged_rect(drag_state, cursor, proposed);
  proposed = snapped_rect(rect, drag_state, snap_candidates(window.hwnd, rect));
}

void apply_min_size(const C_window_base& window, WPARAM edge, RECT& proposed) {
  const RECT& initial = window.create_window_rect;
  proposed = min_size_rect(proposed, edge, initial.right - initial.left, initial.bottom - initial.top);
}

void apply_anchor(C_window_base& control, int dx, int dy) {
  if (control.hwnd == nullptr || control.anchor < 1 || control.anchor > 9) return;
  const RECT rect = anchored_rect(control.rect_in_parent, control.anchor, dx, dy);
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

}  // namespace ZOR
