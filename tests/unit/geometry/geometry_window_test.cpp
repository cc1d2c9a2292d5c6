// Snapping through the framework's WM_MOVING and WM_SIZING handling, in real windows.
#include "lib/window/geometry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "lib/window/application.h"
#include "lib/window/dialog.h"
#include "tests/support/window_testing.h"
#include "tests/driver/window_access.h"
#include "tests/unit/geometry/test_resource.h"

namespace {

using GeometryWindow = zor_test::Window_test;

RECT window_rect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

RECT work_area() {
  RECT work = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

// Sends WM_MOVING (or WM_SIZING) as the system's move loop would; returns the rectangle
// the window procedure left. The first message of a drag gives the same rectangle
// wherever the cursor is (the drag records the cursor's offset from it); later ones
// follow the cursor, which the test then places first.
RECT send_drag(HWND window, UINT message, WPARAM edge, RECT proposed) {
  SendMessageW(window, message, edge, reinterpret_cast<LPARAM>(&proposed));
  return proposed;
}

TEST_F(GeometryWindow, MovingSnapsToTheWorkAreaAndToOtherSnappingWindows) {
  ZOR::C_dialog moving;
  ZOR::C_dialog other;
  ASSERT_TRUE(moving.create(IDD_GEOMETRY, L"moving", false, true));
  ASSERT_TRUE(other.create(IDD_GEOMETRY, L"other", false, true));
  SetWindowPos(other.hwnd, nullptr, 100, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  other.set_show(true);
  moving.set_show(true);
  const RECT own = window_rect(moving.hwnd);
  const LONG w = own.right - own.left;
  const LONG h = own.bottom - own.top;
  const RECT work = work_area();
  const RECT next_to = window_rect(other.hwnd);

  // Each row is the first message of a new drag.
  struct Row {
    const char* what;
    LONG left, top;
    LONG snapped_left, snapped_top;
  } rows[] = {
      {"16 from the work area's left edge", work.left + 16, 400, work.left, 400},
      {"17 from the work area's left edge", work.left + 17, 400, work.left + 17, 400},
      {"10 right of the other window", next_to.right + 10, next_to.top + 40, next_to.right, next_to.top + 40},
      {"17 right of the other window", next_to.right + 17, next_to.top + 40, next_to.right + 17, next_to.top + 40},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    ZOR::end_snap_drag();
    const RECT proposed = {row.left, row.top, row.left + w, row.top + h};
    const RECT result = send_drag(moving.hwnd, WM_MOVING, 0, proposed);
    EXPECT_EQ(result.left, row.snapped_left);
    EXPECT_EQ(result.top, row.snapped_top);
    EXPECT_EQ(result.right - result.left, w) << "a move keeps the size";
    EXPECT_EQ(result.bottom - result.top, h);
  }

  // The drag goes on from the cursor, whatever rectangle the system proposes.
  ZOR::end_snap_drag();
  ASSERT_TRUE(driver::place_cursor(320, 410));
  send_drag(moving.hwnd, WM_MOVING, 0, RECT{300, 400, 300 + w, 400 + h});
  ASSERT_TRUE(driver::place_cursor(345, 420));
  const RECT followed = send_drag(moving.hwnd, WM_MOVING, 0, RECT{0, 0, 5, 5});
  EXPECT_EQ(followed.left, 325);
  EXPECT_EQ(followed.top, 410);
  EXPECT_EQ(followed.right - followed.left, w);

  // A hidden snapping window is no target.
  other.set_show(false);
  ZOR::end_snap_drag();
  const LONG left = next_to.right + 10;
  const RECT alone =
      send_drag(moving.hwnd, WM_MOVING, 0, RECT{left, next_to.top + 40, left + w, next_to.top + 40 + h});
  EXPECT_EQ(alone.left, left);
}

TEST_F(GeometryWindow, SizingSnapsTheDraggedEdgeThenKeepsTheMinimumSize) {
  ZOR::C_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_GEOMETRY, L"sizing", true, true));
  dialog.set_show(true);
  SetWindowPos(dialog.hwnd, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const RECT start = window_rect(dialog.hwnd);
  const RECT work = work_area();
  // The right edge dragged to 12 pixels short of the work area's right edge snaps onto it.
  ZOR::end_snap_drag();
  RECT proposed = start;
  proposed.right = work.right - 12;
  ASSERT_TRUE(driver::place_cursor(work.right - 12, start.top + 50));
  RECT result = send_drag(dialog.hwnd, WM_SIZING, WMSZ_RIGHT, proposed);
  EXPECT_EQ(result.right, work.right);
  EXPECT_EQ(result.left, start.left);
  // Dragged far inside, the minimum size wins over the cursor.
  ASSERT_TRUE(driver::place_cursor(start.left + 30, start.top + 50));
  result = send_drag(dialog.hwnd, WM_SIZING, WMSZ_RIGHT, proposed);
  EXPECT_EQ(result.right, start.right);
}

}  // namespace
