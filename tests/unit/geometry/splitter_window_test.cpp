// Splitter bars on a real dialog: registration, layout on resize, dragging, the cursor.
#include "lib/window/splitter.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "lib/controls/edit.h"
#include "lib/controls/static.h"
#include "lib/window/dialog.h"
#include "tests/support/window_testing.h"
#include "tests/driver/window_access.h"
#include "tests/unit/geometry/test_resource.h"

namespace {

using SplitterWindow = zor_test::Window_test;

LPARAM client_point(int x, int y) {
  return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

// The thread's view of the left mouse button, as GetKeyState reports it to the dialog.
void set_left_button(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_LBUTTON] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

int client_width(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return client.right;
}

// A dialog with a left pane and a right pane and a vertical bar between them.
class Csplit_dialog {
 public:
  bool open(int template_id = IDD_GEOMETRY) {
    if (!dialog.create(template_id, L"split")) return false;
    dialog.bind_control(left, IDC_GEO_LEFT, L"left", 4);
    dialog.bind_control(right, IDC_GEO_RIGHT, L"right", 6);
    return ZOR::add_splitter(dialog, {&left}, {&right}, true) == 0;
  }
  ZOR::Csplitter& splitter() { return dialog.splitters[0]; }
  POINT bar_centre() {
    const RECT l = left.get_rect_in_parent();
    return {splitter().position + splitter().thickness / 2, (l.top + l.bottom) / 2};
  }

  ZOR::C_dialog dialog;
  ZOR::Cc_edit left;
  ZOR::Cc_edit right;
};

TEST_F(SplitterWindow, RegistrationTakesTheGapBetweenBoundGroups) {
  Csplit_dialog split;
  ASSERT_TRUE(split.open());
  const RECT l = split.left.get_rect_in_parent();
  const RECT r = split.right.get_rect_in_parent();
  const ZOR::Csplitter& splitter = split.splitter();
  EXPECT_TRUE(splitter.valid);
  EXPECT_TRUE(splitter.vertical);
  EXPECT_EQ(splitter.position, l.right);
  EXPECT_EQ(splitter.thickness, r.left - l.right);
  EXPECT_GT(splitter.thickness, 0);
  EXPECT_EQ(splitter.min_position, l.left + 16);
  EXPECT_EQ(splitter.max_position, r.right - splitter.thickness - 17);
  EXPECT_EQ(splitter.fraction, MulDiv(100000, l.right, client_width(split.dialog.hwnd)));

  ZOR::Cc_static unbound;
  EXPECT_EQ(ZOR::add_splitter(split.dialog, {}, {&split.right}, true), -1) << "empty group";
  EXPECT_EQ(ZOR::add_splitter(split.dialog, {&unbound}, {&split.right}, true), -1) << "unbound control";
  EXPECT_EQ(ZOR::add_splitter(split.dialog, {&split.right}, {&split.left}, true), -1) << "no gap";
  EXPECT_EQ(split.dialog.splitters.size(), 1u);
}

TEST_F(SplitterWindow, ResizeRestoresTheBarFromItsFraction) {
  Csplit_dialog split;
  ASSERT_TRUE(split.open());
  const int width = client_width(split.dialog.hwnd);
  RECT client;
  GetClientRect(split.dialog.hwnd, &client);
  const RECT right_start = split.right.get_rect_in_parent();
  const int fraction = split.splitter().fraction;
  for (int grow : {120, 300, 40, 0}) {
    SCOPED_TRACE(testing::Message() << "wider by " << grow);
    split.dialog.set_client_size(width + grow, client.bottom + 30);
    const ZOR::Csplitter& splitter = split.splitter();
    const int expected = ZOR::clamp_splitter_position(splitter, MulDiv(width + grow, fraction, 100000));
    EXPECT_EQ(splitter.position, expected);
    EXPECT_EQ(split.left.get_rect_in_parent().right, expected);
    EXPECT_EQ(split.right.get_rect_in_parent().left, expected + splitter.thickness);
    EXPECT_EQ(split.right.get_rect_in_parent().right, right_start.right + grow) << "anchored far edge";
  }
}

TEST_F(SplitterWindow, DraggingMovesTheBarWithinItsLimitsUntilTheButtonIsUp) {
  Csplit_dialog split;
  ASSERT_TRUE(split.open());
  ZOR::C_dialog& dialog = split.dialog;
  const POINT bar = split.bar_centre();
  const int start = split.splitter().position;
  const int thickness = split.splitter().thickness;

  // A press beside the bar starts nothing.
  EXPECT_EQ(SendMessageW(dialog.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, client_point(bar.x - 20, bar.y)), 0);
  EXPECT_EQ(dialog.drag_splitter, nullptr);

  set_left_button(true);
  SendMessageW(dialog.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, client_point(bar.x, bar.y));
  ASSERT_EQ(dialog.drag_splitter, &split.splitter());
  EXPECT_EQ(GetCapture(), dialog.hwnd);

  SendMessageW(dialog.hwnd, WM_MOUSEMOVE, MK_LBUTTON, client_point(bar.x + 30, bar.y + 7));
  EXPECT_EQ(split.splitter().position, start + 30);
  EXPECT_EQ(split.left.get_rect_in_parent().right, start + 30);
  EXPECT_EQ(split.right.get_rect_in_parent().left, start + 30 + thickness);
  EXPECT_EQ(split.splitter().fraction, MulDiv(100000, start + 30, client_width(dialog.hwnd)));

  SendMessageW(dialog.hwnd, WM_MOUSEMOVE, MK_LBUTTON, client_point(bar.x - 2000, bar.y));
  EXPECT_EQ(split.splitter().position, split.splitter().min_position);
  EXPECT_EQ(split.splitter().fraction, 0);
  SendMessageW(dialog.hwnd, WM_MOUSEMOVE, MK_LBUTTON, client_point(bar.x + 2000, bar.y));
  EXPECT_EQ(split.splitter().position, split.splitter().max_position);
  EXPECT_EQ(split.splitter().fraction, 100000);

  set_left_button(false);
  SendMessageW(dialog.hwnd, WM_MOUSEMOVE, 0, client_point(bar.x, bar.y));
  EXPECT_EQ(dialog.drag_splitter, nullptr) << "the released button ends the drag";
  EXPECT_NE(GetCapture(), dialog.hwnd);
  EXPECT_EQ(split.splitter().position, split.splitter().max_position) << "and moves nothing";

  // At its far limit the bar stays at the far limit when the dialog grows.
  dialog.set_client_size(client_width(dialog.hwnd) + 100, 300);
  EXPECT_EQ(split.splitter().position, split.splitter().max_position);
}

TEST_F(SplitterWindow, TooNarrowDialogMakesTheSplitterInvalidAndUndraggable) {
  Csplit_dialog split;
  ASSERT_TRUE(split.open(IDD_GEOMETRY_NARROW));
  ZOR::C_dialog& dialog = split.dialog;
  const RECT l = split.left.get_rect_in_parent();
  const RECT r = split.right.get_rect_in_parent();
  const int thickness = split.splitter().thickness;
  const int width = client_width(dialog.hwnd);
  // The right pane's far edge follows the width (anchor 6); 33 + thickness is the least room.
  const int shrink_to_limit = (r.right - l.left) - (33 + thickness);
  dialog.set_client_size(width - shrink_to_limit, 300);
  EXPECT_TRUE(split.splitter().valid) << "exactly 33 pixels plus the bar";
  dialog.set_client_size(width - shrink_to_limit - 1, 300);
  EXPECT_FALSE(split.splitter().valid) << "one pixel less";
  set_left_button(true);
  const POINT bar = split.bar_centre();
  SendMessageW(dialog.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, client_point(bar.x, bar.y));
  EXPECT_EQ(dialog.drag_splitter, nullptr);
  set_left_button(false);
  dialog.set_client_size(width, 300);
  EXPECT_TRUE(split.splitter().valid) << "valid again once there is room";
}

TEST_F(SplitterWindow, CursorShowsTheSizingArrowOverTheBarOnly) {
  Csplit_dialog split;
  ASSERT_TRUE(split.open());
  ZOR::C_dialog& dialog = split.dialog;
  dialog.set_show(true);
  const HCURSOR sizing = LoadCursorW(nullptr, IDC_SIZEWE);
  const LPARAM hit = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);

  POINT over_bar = split.bar_centre();
  ClientToScreen(dialog.hwnd, &over_bar);
  ASSERT_TRUE(driver::place_cursor(over_bar.x, over_bar.y));
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  SendMessageW(dialog.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.hwnd), hit);
  EXPECT_EQ(GetCursor(), sizing);

  POINT beside = split.bar_centre();
  beside.x -= 40;
  ClientToScreen(dialog.hwnd, &beside);
  ASSERT_TRUE(driver::place_cursor(beside.x, beside.y));
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  SendMessageW(dialog.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.hwnd), hit);
  EXPECT_NE(GetCursor(), sizing);
}

}  // namespace
