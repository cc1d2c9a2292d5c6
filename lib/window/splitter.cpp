// Splitter bars of a dialog: placement, limits, fraction, layout and mouse dragging.
#include "lib/window/splitter.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>

#include "lib/window/dialog.h"
#include "lib/window/window_base.h"

namespace ZOR {
namespace {

// A group may not become narrower than this on the first side of the bar...
constexpr int first_group_room = 16;
// ...and than this on the second side.
constexpr int second_group_room = 17;
constexpr int whole = 100000;

// Edges along the drag axis: near is left (or top), far is right (or bottom).
LONG near_edge(const RECT& rect, bool vertical) { return vertical ? rect.left : rect.top; }
LONG far_edge(const RECT& rect, bool vertical) { return vertical ? rect.right : rect.bottom; }
void set_near_edge(RECT& rect, bool vertical, LONG value) { (vertical ? rect.left : rect.top) = value; }
void set_far_edge(RECT& rect, bool vertical, LONG value) { (vertical ? rect.right : rect.bottom) = value; }

// Bounding box of rects; empty rects give an empty box.
RECT bounding_box(const std::vector<RECT>& rects) {
  if (rects.empty()) return RECT{};
  RECT box = {LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  for (const RECT& rect : rects) {
    box.left = std::min(box.left, rect.left);
    box.top = std::min(box.top, rect.top);
    box.right = std::max(box.right, rect.right);
    box.bottom = std::max(box.bottom, rect.bottom);
  }
  return box;
}

std::vector<RECT> rects_of(const std::vector<C_window_base*>& group) {
  std::vector<RECT> rects;
  for (const C_window_base* control : group) {
    if (control->hwnd != nullptr) rects.push_back(control->get_rect_in_parent());
  }
  return rects;
}

int client_extent(const C_dialog& dialog, bool vertical) {
  RECT client = {};
  GetClientRect(dialog.hwnd, &client);
  return vertical ? client.right : client.bottom;
}

// Measures the splitter against its controls as they are now.
void measure(C_dialog& dialog, Csplitter& splitter) {
  measure_splitter(splitter, rects_of(splitter.first_group), rects_of(splitter.second_group),
                   client_extent(dialog, splitter.vertical));
}

void place(C_window_base* control, const RECT& rect) {
  if (control->hwnd == nullptr) return;
  SetWindowPos(control->hwnd, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOACTIVATE | SWP_NOZORDER);
}

// Places both groups at the splitter's position and repaints the dialog where the bar was.
void lay_out_groups(C_dialog& dialog, const Csplitter& splitter) {
  for (C_window_base* control : splitter.first_group) {
    place(control, first_group_rect(splitter, control->get_rect_in_parent()));
  }
  for (C_window_base* control : splitter.second_group) {
    place(control, second_group_rect(splitter, control->get_rect_in_parent()));
  }
  InvalidateRect(dialog.hwnd, nullptr, TRUE);
}

// The valid splitter whose bar holds point (client coordinates), or null.
Csplitter* splitter_at(C_dialog& dialog, POINT point) {
  for (Csplitter& splitter : dialog.splitters) {
    if (!splitter.valid) continue;
    const RECT bar = splitter_bar_rect(splitter, rects_of(splitter.first_group),
                                       rects_of(splitter.second_group));
    if (!IsRectEmpty(&bar) && PtInRect(&bar, point)) return &splitter;
  }
  return nullptr;
}

}  // namespace

void place_splitter_bar(Csplitter& splitter, const std::vector<RECT>& first,
                        const std::vector<RECT>& second) {
  if (first.empty() || second.empty()) return;
  const bool vertical = splitter.vertical;
  splitter.position = far_edge(bounding_box(first), vertical);
  splitter.thickness = near_edge(bounding_box(second), vertical) - splitter.position;
}

void measure_splitter(Csplitter& splitter, const std::vector<RECT>& first,
                      const std::vector<RECT>& second, int client_extent) {
  splitter.extent_start = 0;
  splitter.extent_end = client_extent;
  if (first.empty() || second.empty()) {
    splitter.valid = false;
    return;
  }
  const bool vertical = splitter.vertical;
  LONG largest_near = LONG_MIN;
  for (const RECT& rect : first) largest_near = std::max(largest_near, near_edge(rect, vertical));
  LONG smallest_far = LONG_MAX;
  for (const RECT& rect : second) smallest_far = std::min(smallest_far, far_edge(rect, vertical));
  splitter.min_position = largest_near + first_group_room;
  splitter.max_position = smallest_far - splitter.thickness - second_group_room;
  splitter.valid = splitter.max_position >= splitter.min_position;
}

int splitter_fraction(const Csplitter& splitter) {
  if (splitter.position <= splitter.min_position) return 0;
  if (splitter.position >= splitter.max_position) return whole;
  return MulDiv(whole, splitter.position, splitter.extent_end - splitter.extent_start);
}

int splitter_position_from_fraction(const Csplitter& splitter) {
  if (splitter.fraction == 0) return splitter.min_position;
  if (splitter.fraction == whole) return splitter.max_position;
  return clamp_splitter_position(
      splitter, MulDiv(splitter.extent_end - splitter.extent_start, splitter.fraction, whole));
}

int clamp_splitter_position(const Csplitter& splitter, int position) {
  return std::max(splitter.min_position, std::min(position, splitter.max_position));
}

RECT splitter_bar_rect(const Csplitter& splitter, const std::vector<RECT>& first,
                       const std::vector<RECT>& second) {
  RECT bar = {};
  if (first.empty() || second.empty()) return bar;
  const RECT a = bounding_box(first);
  const RECT b = bounding_box(second);
  if (splitter.vertical) {
    bar = {splitter.position, std::max(a.top, b.top), splitter.position + splitter.thickness,
           std::min(a.bottom, b.bottom)};
  } else {
    bar = {std::max(a.left, b.left), splitter.position, std::min(a.right, b.right),
           splitter.position + splitter.thickness};
  }
  if (bar.right <= bar.left || bar.bottom <= bar.top) bar = RECT{};
  return bar;
}

RECT first_group_rect(const Csplitter& splitter, const RECT& control) {
  RECT rect = control;
  set_far_edge(rect, splitter.vertical, splitter.position);
  return rect;
}

RECT second_group_rect(const Csplitter& splitter, const RECT& control) {
  RECT rect = control;
  set_near_edge(rect, splitter.vertical, splitter.position + splitter.thickness);
  return rect;
}

int add_splitter(C_dialog& dialog, const std::vector<C_window_base*>& first,
                 const std::vector<C_window_base*>& second, bool vertical) {
  if (dialog.hwnd == nullptr || first.empty() || second.empty()) return -1;
  for (const auto* group : {&first, &second}) {
    for (const C_window_base* control : *group) {
      if (control == nullptr || control->hwnd == nullptr) return -1;
    }
  }
  Csplitter splitter;
  splitter.vertical = vertical;
  splitter.first_group = first;
  splitter.second_group = second;
  place_splitter_bar(splitter, rects_of(first), rects_of(second));
  if (splitter.thickness <= 0) return -1;
  measure(dialog, splitter);
  splitter.fraction = splitter_fraction(splitter);
  // The vector may move its records: a drag in progress would point into the old ones.
  if (dialog.drag_splitter != nullptr) {
    dialog.drag_splitter = nullptr;
    ReleaseCapture();
  }
  dialog.splitters.push_back(splitter);
  return static_cast<int>(dialog.splitters.size()) - 1;
}

void layout_splitters(C_dialog& dialog) {
  for (Csplitter& splitter : dialog.splitters) {
    measure(dialog, splitter);
    if (!splitter.valid) continue;
    splitter.position = splitter_position_from_fraction(splitter);
    lay_out_groups(dialog, splitter);
  }
}

bool splitter_set_cursor(C_dialog& dialog) {
  if (dialog.splitters.empty()) return false;
  const Csplitter* splitter = dialog.drag_splitter;
  if (splitter == nullptr) {
    POINT cursor;
    if (!GetCursorPos(&cursor) || !ScreenToClient(dialog.hwnd, &cursor)) return false;
    splitter = splitter_at(dialog, cursor);
  }
  if (splitter == nullptr) return false;
  HCURSOR sizing = LoadCursorW(nullptr, splitter->vertical ? IDC_SIZEWE : IDC_SIZENS);
  if (GetCursor() != sizing) SetCursor(sizing);
  return true;
}

bool splitter_mouse(C_dialog& dialog, UINT message, LPARAM lparam) {
  const POINT point = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  if (message == WM_LBUTTONDOWN) {
    Csplitter* splitter = splitter_at(dialog, point);
    if (splitter == nullptr) return false;
    dialog.drag_splitter = splitter;
    dialog.drag_start_cursor = splitter->vertical ? point.x : point.y;
    dialog.drag_start_position = splitter->position;
    SetCapture(dialog.hwnd);
    return true;
  }
  Csplitter* splitter = dialog.drag_splitter;
  if (message != WM_MOUSEMOVE || splitter == nullptr) return false;
  if ((GetKeyState(VK_LBUTTON) & 0x8000) == 0) {
    dialog.drag_splitter = nullptr;
    ReleaseCapture();
    return true;
  }
  const int travel = (splitter->vertical ? point.x : point.y) - dialog.drag_start_cursor;
  splitter->position = clamp_splitter_position(*splitter, dialog.drag_start_position + travel);
  splitter->fraction = splitter_fraction(*splitter);
  lay_out_groups(dialog, *splitter);
  return true;
}

}  // namespace ZOR
