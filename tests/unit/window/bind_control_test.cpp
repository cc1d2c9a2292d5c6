// Controls bound to dialog items: subclassing through the window procedure, the place in
// the parent, unbinding, and items that do not exist.
#include "lib/window/dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "lib/error/error.h"
#include "tests/support/window_testing.h"
#include "tests/unit/window/recording_dialog.h"
#include "tests/unit/window/test_resource.h"

namespace {

using Bind_control = zor_test::Window_test;
using zor_test::Crecording_dialog;

TEST_F(Bind_control, BindControlSubclassesTheItemAndRecordsItsPlace) {
  Crecording_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_TEST_PLAIN, L"binding"));
  HWND button = GetDlgItem(dialog.hwnd, IDC_TEST_BUTTON);
  const LONG_PTR original_proc = GetWindowLongPtrW(button, GWLP_WNDPROC);
  const LRESULT font = SendMessageW(button, WM_GETFONT, 0, 0);
  RECT expected;
  GetWindowRect(button, &expected);
  MapWindowPoints(nullptr, dialog.hwnd, reinterpret_cast<POINT*>(&expected), 2);

  ZOR::C_control control(L"Button");
  ASSERT_TRUE(dialog.bind_control(control, IDC_TEST_BUTTON, L"button", 3));
  EXPECT_TRUE(dialog.bind_control(control, IDC_TEST_BUTTON, L"button", 3));
  EXPECT_EQ(control.hwnd, button);
  EXPECT_EQ(control.name, L"button");
  EXPECT_EQ(control.anchor, 3);
  EXPECT_FALSE(control.is_dialog) << "a button's window extra bytes are no dialog procedure";
  EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ZOR::static_window_proc));
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(control.prev_proc), original_proc);
  EXPECT_EQ(SendMessageW(button, WM_GETFONT, 0, 0), font);
  EXPECT_TRUE(EqualRect(&control.rect_in_parent, &expected));
  EXPECT_EQ(dialog.children, std::vector<ZOR::C_window_base*>{&control});
  SendMessageW(button, BM_CLICK, 0, 0);
  EXPECT_TRUE(dialog.received(IDC_TEST_BUTTON)) << "the subclassed button still clicks";

  control.detach();
  EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), original_proc);
  EXPECT_EQ(GetPropW(button, L"this"), nullptr);

  ZOR::C_control bound_again(L"Button");
  ASSERT_TRUE(dialog.bind_control(bound_again, IDC_TEST_BUTTON, L"again"));
  dialog.destroy();
  EXPECT_EQ(bound_again.hwnd, nullptr) << "the control is unbound when its window goes";
  EXPECT_TRUE(dialog.children.empty());
}

TEST_F(Bind_control, ControlsAreSubclassedThroughTheirWindowProcedure) {
  // Some control classes keep data (a font, an image) in their window extra bytes at the
  // offset of a dialog's DWLP_DLGPROC; binding them must not take that for a dialog.
  Crecording_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_TEST_PLAIN, L"classes"));
  HWND icon = GetDlgItem(dialog.hwnd, IDC_TEST_ICON);
  const LRESULT image = SendMessageW(icon, STM_GETICON, 0, 0);
  ASSERT_NE(image, 0);
  const int ids[] = {IDC_TEST_ICON, IDC_TEST_EDIT, IDC_TEST_CHECK, IDC_TEST_BUTTON, IDOK};
  for (int id : ids) {
    SCOPED_TRACE(testing::Message() << "control id " << id);
    ZOR::C_control control;
    ASSERT_TRUE(dialog.bind_control(control, id, L"control"));
    EXPECT_FALSE(control.is_dialog);
    EXPECT_EQ(GetWindowLongPtrW(control.hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ZOR::static_window_proc));
    control.detach();
  }
  EXPECT_EQ(SendMessageW(icon, STM_GETICON, 0, 0), image) << "the static control's image survives";
}

TEST_F(Bind_control, MissingItemLeavesTheControlUnbound) {
  Crecording_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_TEST_PLAIN, L"missing"));
  ZOR::C_control control(L"Edit");
  EXPECT_FALSE(dialog.bind_control(control, IDC_TEST_MISSING, L"nothing"));
  EXPECT_EQ(control.hwnd, nullptr);
  EXPECT_NE(ZOR::get_last_error_text().find(L"GetDlgItem"), std::wstring::npos);
  control.set_text(L"x");
  control.set_show(false);
  control.set_enable(false);
  control.close();
  EXPECT_EQ(control.get_text(), L"");
  EXPECT_TRUE(IsWindow(dialog.hwnd));
}

TEST_F(Bind_control, WrapperDestructionGivesTheControlBackItsProcedure) {
  Crecording_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_TEST_PLAIN, L"restore"));
  HWND button = GetDlgItem(dialog.hwnd, IDC_TEST_BUTTON);
  const LONG_PTR original_proc = GetWindowLongPtrW(button, GWLP_WNDPROC);
  {
    ZOR::C_control control(L"Button");
    ASSERT_TRUE(dialog.bind_control(control, IDC_TEST_BUTTON, L"button"));
  }
  EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), original_proc);
  EXPECT_EQ(GetPropW(button, L"this"), nullptr);
  SendMessageW(button, BM_CLICK, 0, 0);
  EXPECT_TRUE(dialog.received(IDC_TEST_BUTTON));
  EXPECT_TRUE(dialog.children.empty()) << "the dialog keeps no pointer to a destroyed wrapper";
}
}  // namespace
