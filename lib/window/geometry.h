// Window geometry behind the framework's default handling: minimum size, anchoring of
// controls and snapping while moving or sizing. The rectangle arithmetic is in pure
// functions; the hooks called by the window procedures apply it to real windows.
#ifndef ZOR_WINDOW_GEOMETRY_H
#define ZOR_WINDOW_GEOMETRY_H

#include <windows.h>

#include <vector>


namespace ZOR {

class C_window_base;
class C_dialog;

// Distance in pixels (inclusive) at which a moving edge snaps onto a target edge.
constexpr int snap_distance = 16;

// The snapping move or sizing in progress, one per program.
struct Cdrag_state {
  HWND drag_window = nullptr;
  int drag_kind = 0;  // 0 none, 1 moving, 2 sizing
  // Moving: the cursor's offset from the window's top-left corner. Sizing: its horizontal
  // offset from the dragged vertical edge and its vertical offset from the dragged
  // horizontal edge.
  POINT cursor_offset = {};
  SIZE window_size = {};  // moving only
  bool move_left = false;
  bool move_right = false;
  bool move_top = false;
  bool move_bottom = false;
};

extern Cdrag_state drag_state;

// ---- Pure arithmetic (no window needed) ----

// proposed with the dragged edge(s) (edge: WMSZ_*) moved so that it is at least
// min_width by min_height; the opposite edges stay.
RECT min_size_rect(const RECT& proposed, WPARAM edge, int min_width, int min_height);
// rect moved by its keypad anchor (1-9) for a parent that grew by dx, dy: column 2 moves
// the left edge, columns 1 and 2 the right; row 2 the top, rows 1 and 2 the bottom.
// Anchors outside 1-9 leave rect as it is.
RECT anchored_rect(const RECT& rect, int anchor, int dx, int dy);
// The drag that starts with this WM_MOVING (all four edges move).
Cdrag_state begin_move(HWND window, POINT cursor, const RECT& proposed);
// The drag that starts with this WM_SIZING of edge (WMSZ_*): only the dragged edges move.
Cdrag_state begin_sizing(HWND window, WPARAM edge, POINT cursor, const RECT& proposed);
// The rectangle the drag gives for this cursor position, from the offsets recorded at
// its start (so that snapping never drifts): a move keeps the recorded size, a sizing
// places only the moving edges.
RECT dragged_rect(const Cdrag_state& drag, POINT cursor, const RECT& proposed);
// rect with its moving edges snapped onto the candidates' edges within snap_distance; the
// last target found wins. In a move the opposite edges shift together, so the size stays.
// Candidates are other windows' rectangles and the work area.
RECT snapped_rect(const RECT& rect, const Cdrag_state& drag, const std::vector<RECT>& candidates);
// Whether candidate lies within snap_distance of rect (touching, overlapping or closer).
bool near_rect(const RECT& rect, const RECT& candidate);

// ---- Hooks of the window procedures ----

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

}  // namespace ZOR

#endif
