// Minimum size while sizing, and controls following their dialog's size by anchor.
#include "lib/window/geometry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "lib/window/dialog.h"
#include "tests/support/window_testing.h"
#include "tests/unit/window/test_resource.h"

namespace {

using Geometry = zor_test::Window_test;

struct Min_size_row {
  WPARAM edge;
  RECT proposed;
  RECT expected;
};

TEST(Geometry_min_size, DraggedEdgesStopAtTheCreationSize) {
  ZOR::C_dialog window;
  window.create_window_rect = {100, 100, 300, 250};  // 200 by 150
  const Min_size_row rows[] = {
      {WMSZ_LEFT, {250, 100, 300, 250}, {100, 100, 300, 250}},
      {WMSZ_RIGHT, {100, 100, 120, 250}, {100, 100, 300, 250}},
      {WMSZ_TOP, {100, 240, 300, 250}, {100, 100, 300, 250}},
      {WMSZ_BOTTOM, {100, 100, 300, 110}, {100, 100, 300, 250}},
      {WMSZ_TOPLEFT, {290, 240, 300, 250}, {100, 100, 300, 250}},
      {WMSZ_TOPRIGHT, {100, 240, 110, 250}, {100, 100, 300, 250}},
      {WMSZ_BOTTOMLEFT, {290, 100, 300, 110}, {100, 100, 300, 250}},
      {WMSZ_BOTTOMRIGHT, {100, 100, 110, 110}, {100, 100, 300, 250}},
      {WMSZ_BOTTOMRIGHT, {100, 100, 400, 300}, {100, 100, 400, 300}},
      {WMSZ_LEFT, {0, 100, 300, 250}, {0, 100, 300, 250}},
      {WMSZ_TOPLEFT, {250, 50, 300, 250}, {100, 50, 300, 250}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "edge " << row.edge << " proposed " << row.proposed.left << ","
                                    << row.proposed.top << "," << row.proposed.right << "," << row.proposed.bottom);
    RECT rect = row.proposed;
    ZOR::apply_min_size(window, row.edge, rect);
    EXPECT_TRUE(EqualRect(&rect, &row.expected))
        << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
  }
}

TEST_F(Geometry, SizingMessageAppliesTheMinimumSizeOnlyWhenAsked) {
  for (bool limited : {false, true}) {
    SCOPED_TRACE(limited ? "limit_min_size on" : "limit_min_size off");
    ZOR::C_dialog dialog;
    ASSERT_TRUE(dialog.create(IDD_TEST_PLAIN, L"sizing", limited));
    RECT rect = dialog.create_window_rect;
    rect.left = rect.right - 10;
    const RECT proposed = rect;
    SendMessageW(dialog.hwnd, WM_SIZING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&rect));
    EXPECT_EQ(rect.left, limited ? dialog.create_window_rect.left : proposed.left);
    EXPECT_EQ(rect.right, proposed.right);
    dialog.destroy();
  }
}

struct Anchor_row {
  int anchor;
  int left, top, right, bottom;  // multiples of (dx, dy) added to each edge
};

TEST_F(Geometry, ControlsFollowTheDialogByAnchorOverSeveralResizes) {
  ZOR::C_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_TEST_PLAIN, L"anchors"));
  const int width = dialog.create_client_rect.right;
  const int height = dialog.create_client_rect.bottom;
  const Anchor_row rows[] = {
      {0, 0, 0, 0, 0}, {-1, 0, 0, 0, 0}, {7, 0, 0, 0, 0}, {8, 0, 0, 1, 0}, {9, 1, 0, 1, 0},
      {4, 0, 0, 0, 1}, {5, 0, 0, 1, 1},  {6, 1, 0, 1, 1}, {1, 0, 1, 0, 1}, {2, 0, 1, 1, 1},
      {3, 1, 1, 1, 1},
  };
  const SIZE growths[] = {{40, 30}, {10, 55}, {0, 0}, {70, 5}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "anchor " << row.anchor);
    ZOR::C_control control(L"Edit");
    ASSERT_TRUE(dialog.bind_control(control, IDC_TEST_EDIT, L"edit", row.anchor));
    const RECT start = control.rect_in_parent;
    for (const auto& growth : growths) {
      dialog.set_client_size(width + growth.cx, height + growth.cy);
      const RECT now = control.get_rect_in_parent();
      EXPECT_EQ(now.left, start.left + row.left * growth.cx);
      EXPECT_EQ(now.top, start.top + row.top * growth.cy);
      EXPECT_EQ(now.right, start.right + row.right * growth.cx);
      EXPECT_EQ(now.bottom, start.bottom + row.bottom * growth.cy);
    }
    dialog.set_client_size(width, height);
    control.detach();
  }
}

}  // namespace
