// Minimum size, anchors and snapping as pure rectangle arithmetic.
#include "lib/window/geometry.h"

#include <gtest/gtest.h>

#include <ostream>

// gtest prints rectangles readably in failure messages.
inline std::ostream& operator<<(std::ostream& out, const RECT& rect) {
  return out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}
inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace {

const RECT work_area = {0, 0, 1280, 1000};

LONG width(const RECT& rect) { return rect.right - rect.left; }
LONG height(const RECT& rect) { return rect.bottom - rect.top; }

struct Edge_row {
  const char* edge_name;
  WPARAM edge;
  RECT proposed;  // the window at {100, 100, 300, 200} (200 x 100) dragged smaller
  RECT expected;
};

TEST(Geometry, MinimumSizeFromEveryEdgeAndCorner) {
  const Edge_row rows[] = {
      {"left", WMSZ_LEFT, {250, 100, 300, 200}, {100, 100, 300, 200}},
      {"right", WMSZ_RIGHT, {100, 100, 120, 200}, {100, 100, 300, 200}},
      {"top", WMSZ_TOP, {100, 190, 300, 200}, {100, 100, 300, 200}},
      {"bottom", WMSZ_BOTTOM, {100, 100, 300, 130}, {100, 100, 300, 200}},
      {"top left", WMSZ_TOPLEFT, {290, 150, 300, 200}, {100, 100, 300, 200}},
      {"top right", WMSZ_TOPRIGHT, {100, 150, 150, 200}, {100, 100, 300, 200}},
      {"bottom left", WMSZ_BOTTOMLEFT, {260, 100, 300, 101}, {100, 100, 300, 200}},
      {"bottom right", WMSZ_BOTTOMRIGHT, {100, 100, 101, 101}, {100, 100, 300, 200}},
      // Only the dimension that is too small is corrected.
      {"top left, only too low", WMSZ_TOPLEFT, {0, 150, 300, 200}, {0, 100, 300, 200}},
      {"bottom right, only too narrow", WMSZ_BOTTOMRIGHT, {100, 100, 150, 500}, {100, 100, 300, 500}},
      // Larger than the minimum: nothing changes.
      {"right, larger", WMSZ_RIGHT, {100, 100, 900, 200}, {100, 100, 900, 200}},
      {"top left, larger", WMSZ_TOPLEFT, {50, 40, 300, 200}, {50, 40, 300, 200}},
      // Dragged through the opposite edge: still the minimum, anchored at the kept edges.
      {"left, past the right edge", WMSZ_LEFT, {400, 100, 300, 200}, {100, 100, 300, 200}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.edge_name);
    EXPECT_EQ(ZOR::min_size_rect(row.proposed, row.edge, 200, 100), row.expected);
  }
}

// Which edges of a control follow the parent's growth, per keypad anchor.
struct Anchor_row {
  int anchor;
  bool left, right, top, bottom;
};

TEST(Geometry, AnchorsFollowTheGrowthSinceCreationOverManyResizes) {
  const Anchor_row rows[] = {
      {0, false, false, false, false}, {7, false, false, false, false},
      {8, false, true, false, false},  {9, true, true, false, false},
      {4, false, false, false, true},  {5, false, true, false, true},
      {6, true, true, false, true},    {1, false, false, true, true},
      {2, false, true, true, true},    {3, true, true, true, true},
      {-1, false, false, false, false}, {10, false, false, false, false},
  };
  const RECT created = {10, 20, 60, 40};
  const int parent_width = 300;
  const int parent_height = 200;
  // Successive parent sizes; each growth counts from the creation size, not the last one.
  const SIZE sizes[] = {{330, 220}, {400, 190}, {300, 200}, {295, 260}, {1000, 900}};
  for (const auto& row : rows) {
    for (const SIZE& size : sizes) {
      SCOPED_TRACE(testing::Message() << "anchor " << row.anchor << ", parent " << size.cx << "x" << size.cy);
      const int dx = size.cx - parent_width;
      const int dy = size.cy - parent_height;
      const RECT expected = {created.left + (row.left ? dx : 0), created.top + (row.top ? dy : 0),
                             created.right + (row.right ? dx : 0), created.bottom + (row.bottom ? dy : 0)};
      const RECT moved = ZOR::anchored_rect(created, row.anchor, dx, dy);
      EXPECT_EQ(moved, expected);
      if (row.anchor == 3) {
        EXPECT_EQ(size.cx - moved.right, parent_width - created.right) << "distance to the right edge";
        EXPECT_EQ(size.cy - moved.bottom, parent_height - created.bottom) << "distance to the bottom edge";
      }
    }
  }
}

// A move that starts with the cursor at (x + 30, y + 10) of a 200 x 100 window at (x, y).
RECT move_to(LONG x, LONG y, const std::vector<RECT>& candidates) {
  const RECT start = {400, 300, 600, 400};
  const ZOR::Cdrag_state drag = ZOR::begin_move(nullptr, {430, 310}, start);
  const RECT rect = ZOR::dragged_rect(drag, {x + 30, y + 10}, start);
  return ZOR::snapped_rect(rect, drag, candidates);
}

struct Snap_row {
  const char* what;
  LONG x, y;         // where the cursor takes the window's top-left corner
  LONG snapped_x, snapped_y;
};

TEST(Geometry, MovingSnapsToTheWorkAreaAt16PixelsButNot17) {
  const Snap_row rows[] = {
      {"left edge 16 inside", 16, 500, 0, 500},
      {"left edge 17 inside", 17, 500, 17, 500},
      {"left edge 16 outside", -16, 500, 0, 500},
      {"left edge 17 outside", -17, 500, -17, 500},
      {"top edge 16", 600, 16, 600, 0},
      {"top edge 17", 600, 17, 600, 17},
      {"right edge 16", 1280 - 200 - 16, 500, 1080, 500},
      {"right edge 17", 1280 - 200 - 17, 500, 1063, 500},
      {"bottom edge 16 outside", 600, 1000 - 100 + 16, 600, 900},
      {"bottom edge 17 outside", 600, 1000 - 100 + 17, 600, 917},
      {"corner", 5, 1000 - 100 - 3, 0, 900},
      {"far from every edge", 500, 500, 500, 500},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const RECT moved = move_to(row.x, row.y, {work_area});
    EXPECT_EQ(moved.left, row.snapped_x);
    EXPECT_EQ(moved.top, row.snapped_y);
    EXPECT_EQ(width(moved), 200) << "a move never changes the width";
    EXPECT_EQ(height(moved), 100) << "a move never changes the height";
  }
}

TEST(Geometry, MovingSnapsToOtherWindowsNearby) {
  const RECT other = {500, 300, 700, 500};
  // Beside the other window's right edge, 10 pixels off: side by side.
  EXPECT_EQ(move_to(710, 350, {other, work_area}), (RECT{700, 350, 900, 450}));
  // Its left edge 12 pixels left of the other's left edge: aligned with it.
  EXPECT_EQ(move_to(488, 520, {other, work_area}), (RECT{500, 520, 700, 620}));
  // Just below the other window: the top edge snaps to its bottom, and the left edge
  // aligns with its left edge as well.
  EXPECT_EQ(move_to(505, 505, {other, work_area}), (RECT{500, 500, 700, 600}));
  // A target only counts within 16 pixels of the moving edge.
  EXPECT_EQ(move_to(717, 350, {other, work_area}), (RECT{717, 350, 917, 450}));
  // Where two targets are in reach, the last one found wins.
  EXPECT_EQ(move_to(10, 350, {RECT{0, 300, 12, 500}, work_area}), (RECT{0, 350, 200, 450}));
  EXPECT_EQ(move_to(10, 350, {work_area, RECT{0, 300, 12, 500}}), (RECT{12, 350, 212, 450}));
}

TEST(Geometry, OnlyWindowsWithin16PixelsAreCandidates) {
  const RECT rect = {100, 100, 300, 200};
  EXPECT_TRUE(ZOR::near_rect(rect, RECT{316, 100, 400, 200}));
  EXPECT_FALSE(ZOR::near_rect(rect, RECT{317, 100, 400, 200}));
  EXPECT_TRUE(ZOR::near_rect(rect, RECT{0, 0, 84, 84}));
  EXPECT_FALSE(ZOR::near_rect(rect, RECT{0, 0, 83, 84}));
  EXPECT_FALSE(ZOR::near_rect(rect, RECT{300, 217, 400, 300})) << "beside, but too far below";
  EXPECT_TRUE(ZOR::near_rect(rect, RECT{150, 150, 160, 160})) << "overlapping";
}

TEST(Geometry, MoveNeverChangesTheSize) {
  const std::vector<RECT> candidates = {{500, 300, 700, 500}, {690, 480, 720, 520}, work_area};
  for (LONG x = -40; x <= 1300; x += 7) {
    for (LONG y = -30; y <= 1020; y += 53) {
      const RECT moved = move_to(x, y, candidates);
      ASSERT_EQ(width(moved), 200) << "at " << x << ", " << y;
      ASSERT_EQ(height(moved), 100) << "at " << x << ", " << y;
    }
  }
}

TEST(Geometry, SizingSnapsOnlyTheDraggedEdges) {
  const RECT start = {400, 300, 600, 400};
  // Right edge dragged to 10 pixels short of the work area's right edge.
  ZOR::Cdrag_state drag = ZOR::begin_sizing(nullptr, WMSZ_RIGHT, {598, 350}, start);
  RECT rect = ZOR::dragged_rect(drag, {1268, 360}, start);
  EXPECT_EQ(ZOR::snapped_rect(rect, drag, {work_area}), (RECT{400, 300, 1280, 400}));
  // Top-left corner dragged near the work area's corner: both dragged edges snap.
  drag = ZOR::begin_sizing(nullptr, WMSZ_TOPLEFT, {403, 302}, start);
  rect = ZOR::dragged_rect(drag, {13, 7}, start);
  EXPECT_EQ(ZOR::snapped_rect(rect, drag, {work_area}), (RECT{0, 0, 600, 400}));
  // The bottom edge is dragged; the left edge lies within reach but does not move.
  drag = ZOR::begin_sizing(nullptr, WMSZ_BOTTOM, {500, 400}, RECT{5, 300, 600, 400});
  rect = ZOR::dragged_rect(drag, {500, 450}, RECT{5, 300, 600, 400});
  EXPECT_EQ(ZOR::snapped_rect(rect, drag, {work_area}), (RECT{5, 300, 600, 450}));
}

TEST(Geometry, DragFollowsTheCursorWithoutDrift) {
  const RECT start = {400, 300, 600, 400};
  const ZOR::Cdrag_state drag = ZOR::begin_move(nullptr, {430, 310}, start);
  // The window the system proposes drifts with every snapped step; the drag is
  // recomputed from the cursor, so it does not.
  RECT proposed = start;
  const LONG cursor_x[] = {100, 40, 45, 50, 47, 60};
  const LONG expected_left[] = {70, 0, 0, 20, 17, 30};
  for (size_t i = 0; i < sizeof(cursor_x) / sizeof(cursor_x[0]); ++i) {
    SCOPED_TRACE(testing::Message() << "cursor at x " << cursor_x[i]);
    proposed = ZOR::snapped_rect(ZOR::dragged_rect(drag, {cursor_x[i], 310}, proposed), drag, {work_area});
    EXPECT_EQ(proposed.left, expected_left[i]);
    EXPECT_EQ(width(proposed), 200);
  }
}

}  // namespace
