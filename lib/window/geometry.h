// Window geometry behind the framework's default handling: minimum size, anchoring of
// controls, snapping while moving or sizing, and splitter bars of a dialog.
#ifndef ZOR_WINDOW_GEOMETRY_H
#define ZOR_WINDOW_GEOMETRY_H

#include <windows.h>

#include <string>
#include <vector>

namespace ZOR {

class C_window_base;
class C_dialog;

// One splitter bar between two groups of controls of a dialog. Coordinates are pixels in
// the dialog's client area; the controls are not owned.
struct Csplitter {
  bool valid = false;
  int thickness = 0;
  int position = 0;
  int min_position = 0;
  int max_position = 0;
  int extent_start = 0;
  int extent_end = 0;
  int fraction = -1;  // position in parts of 100000 of the extent; -1 until computed
  std::wstring first_name;
  std::wstring second_name;
  bool vertical = false;  // separates a left group from a right group
  std::vector<C_window_base*> first_group;
  std::vector<C_window_base*> second_group;
};

// The snapping move or sizing in progress, one per program.
struct Cdrag_state {
  HWND drag_window = nullptr;
  int drag_kind = 0;  // 0 none, 1 moving, 2 sizing
  POINT cursor_offset = {};
  SIZE window_size = {};
  bool move_left = false;
  bool move_right = false;
  bool move_top = false;
  bool move_bottom = false;
};

extern Cdrag_state drag_state;

// Forgets the drag in progress (the next move or sizing starts a new one).
void end_snap_drag();
// WM_MOVING of a snapping window: adjusts the proposed rectangle in place.
void snap_moving_rect(C_window_base& window, RECT& proposed);
// WM_SIZING of a snapping window (edge = wParam): adjusts the proposed rectangle in place.
void snap_sizing_rect(C_window_base& window, WPARAM edge, RECT& proposed);
// WM_SIZING: keeps the rectangle at least as large as create_window_rect by moving the
// dragged edge(s) (edge = wParam, WMSZ_*).
void apply_min_size(const C_window_base& window, WPARAM edge, RECT& proposed);
// Moves the control by its anchor for a parent that grew by dx, dy since its creation.
void apply_anchor(C_window_base& control, int dx, int dy);
// WM_SIZE of a dialog: every child by its anchor, the growth measured from
// create_client_rect (not from the previous size).
void anchor_children(C_dialog& dialog, int client_width, int client_height);
// WM_SIZE of a dialog, after the children: every valid splitter recomputed and restored
// from its fraction, its groups laid out again.
void layout_splitters(C_dialog& dialog);
// WM_SETCURSOR of a dialog: true when a splitter set the cursor (message handled).
bool splitter_set_cursor(C_dialog& dialog);
// WM_MOUSEMOVE or WM_LBUTTONDOWN of a dialog: true when a splitter took the message.
bool splitter_mouse(C_dialog& dialog, UINT message, LPARAM lparam);

}  // namespace ZOR

#endif
