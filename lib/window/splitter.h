// Splitter bars of a dialog: a bar between two groups of controls that the user drags to
// share the room between them. The arithmetic is in pure functions; add_splitter
// registers a bar and the hooks serve the dialog's WM_SIZE, WM_SETCURSOR and mouse.
#ifndef ZOR_WINDOW_SPLITTER_H
#define ZOR_WINDOW_SPLITTER_H

#include <windows.h>

#include <string>
#include <vector>

namespace ZOR {

class C_window_base;
class C_dialog;

// One splitter bar between two groups of controls of a dialog. Coordinates are pixels in
// the dialog's client area, along the drag axis (x for a vertical bar, y otherwise); the
// controls are not owned.
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

// ---- Pure arithmetic; first and second are the groups' control rectangles ----

// Puts the bar into the gap between the groups: position at the first group's far edge
// (right, or bottom), thickness up to the second group's near edge (left, or top).
void place_splitter_bar(Csplitter& splitter, const std::vector<RECT>& first,
                        const std::vector<RECT>& second);
// Sets the extent (0 to client_extent), min_position (largest near edge of the first
// group + 16), max_position (smallest far edge of the second group - thickness - 17) and
// valid (both groups hold controls and max_position >= min_position).
void measure_splitter(Csplitter& splitter, const std::vector<RECT>& first,
                      const std::vector<RECT>& second, int client_extent);
// The bar's position as parts of 100000 of the extent: 0 at or below min_position,
// 100000 at or above max_position.
int splitter_fraction(const Csplitter& splitter);
// The position that the fraction gives in the current extent, within the limits.
int splitter_position_from_fraction(const Csplitter& splitter);
// position kept within min_position and max_position.
int clamp_splitter_position(const Csplitter& splitter, int position);
// The bar: along the axis from position over thickness, across it the span that both
// groups share. Empty when a group is empty or the groups share no span.
RECT splitter_bar_rect(const Csplitter& splitter, const std::vector<RECT>& first,
                       const std::vector<RECT>& second);
// A first-group control keeps its near edges and gets its far edge at position.
RECT first_group_rect(const Csplitter& splitter, const RECT& control);
// A second-group control keeps its far edges and gets its near edge at position + thickness.
RECT second_group_rect(const Csplitter& splitter, const RECT& control);

// ---- Registration and hooks ----

// Registers a bar between the bound controls first (the left or upper group) and second
// (the right or lower group) of dialog; vertical: the groups lie side by side. The bar
// fills the gap the controls leave between the groups. Returns the splitter's index in
// dialog.splitters, or -1 (nothing registered) when a group is empty, holds an unbound
// control, or the groups leave no gap. A splitter that is not valid stays registered and
// becomes valid once the dialog is large enough.
int add_splitter(C_dialog& dialog, const std::vector<C_window_base*>& first,
                 const std::vector<C_window_base*>& second, bool vertical);
// WM_SIZE of a dialog, after the children: every splitter measured again and every valid
// one placed from its fraction, its groups laid out again.
void layout_splitters(C_dialog& dialog);
// WM_SETCURSOR of a dialog: true when the cursor is over a bar or a bar is dragged (the
// sizing cursor is then set and the message is handled).
bool splitter_set_cursor(C_dialog& dialog);
// WM_MOUSEMOVE or WM_LBUTTONDOWN of a dialog: true when a splitter took the message
// (a drag started, continued or ended).
bool splitter_mouse(C_dialog& dialog, UINT message, LPARAM lparam);

}  // namespace ZOR

#endif
