// The control wrappers on a real dialog: class names, check boxes, progress, combo box,
// edit line conversions and keys, and wrappers whose item does not exist.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "lib/controls/button.h"
#include "lib/controls/combobox.h"
#include "lib/controls/edit.h"
#include "lib/controls/progress.h"
#include "lib/controls/spin.h"
#include "lib/controls/static.h"
#include "lib/window/dialog.h"
#include "tests/support/window_testing.h"
#include "tests/unit/controls/test_resource.h"

namespace {

using Controls = zor_test::Window_test;

// The test dialog; records the commands it receives.
class Ctest_dialog : public ZOR::C_dialog {
 public:
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) commands.push_back(LOWORD(wparam));
    return C_dialog::window_proc(message, wparam, lparam);
  }
  bool received(int id) const { return std::find(commands.begin(), commands.end(), id) != commands.end(); }
  std::vector<int> commands;
};

// An edit wrapper that counts WM_SETTEXT.
class Ccounting_edit : public ZOR::Cc_edit {
 public:
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == WM_SETTEXT) ++set_text_count;
    return Cc_edit::window_proc(message, wparam, lparam);
  }
  int set_text_count = 0;
};

std::wstring raw_text(HWND window) {
  wchar_t buffer[256] = {};
  GetWindowTextW(window, buffer, 256);
  return buffer;
}

std::wstring lower(std::wstring text) {
  for (auto& c : text) c = static_cast<wchar_t>(towlower(c));
  return text;
}

TEST_F(Controls, WrappersNameTheSystemClassOfTheirControl) {
  Ctest_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_CONTROLS, L"controls"));
  ZOR::Cc_static label;
  ZOR::Cc_button button;
  ZOR::Cc_check check;
  ZOR::Cc_radio radio;
  ZOR::Cc_edit edit;
  ZOR::Cc_progress progress;
  ZOR::Cc_picture picture;
  ZOR::Cc_combobox combo;
  ZOR::Cc_spin spin;
  struct Row {
    ZOR::C_control* control;
    const wchar_t* class_name;
    int item;
  };
  const Row rows[] = {
      {&label, L"Static", IDC_LABEL},        {&button, L"Button", IDOK},
      {&check, L"Button", IDC_THREE_STATE},  {&radio, L"Button", IDC_RADIO_FIRST},
      {&edit, L"Edit", IDC_EDIT},            {&progress, L"", IDC_PROGRESS},
      {&picture, L"Static", IDC_LABEL},      {&combo, L"ComboBox", IDC_COMBO},
      {&spin, L"msctls_updown32", IDC_SPIN},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.class_name)) + " item " + std::to_string(row.item));
    EXPECT_EQ(row.control->class_name, row.class_name);
    EXPECT_EQ(row.control->anchor, 7);
    ASSERT_TRUE(dialog.bind_control(*row.control, row.item, L"item"));
    if (row.control->class_name.empty()) continue;
    wchar_t actual[64] = {};
    GetClassNameW(row.control->hwnd, actual, 64);
    EXPECT_EQ(lower(actual), lower(row.class_name));
    row.control->detach();
  }
  ASSERT_TRUE(dialog.bind_control(picture, IDC_LABEL, L"picture"));
  EXPECT_EQ(picture.get_text(), L"ラベル") << "a picture passes every message on";
}

struct Lines_row {
  const wchar_t* program_text;
  const wchar_t* box_text;
};

TEST_F(Controls, EditConvertsLineBreaksAndSetsOnlyChangedText) {
  Ctest_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_CONTROLS, L"controls"));
  Ccounting_edit edit;
  ASSERT_TRUE(dialog.bind_control(edit, IDC_MULTI_EDIT, L"multi"));
  const Lines_row rows[] = {
      {L"a\nb", L"a\r\nb"},   {L"", L""},           {L"一行", L"一行"},
      {L"1\n2\n3", L"1\r\n2\r\n3"}, {L"末尾\n", L"末尾\r\n"}, {L"\n\n", L"\r\n\r\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.program_text)));
    SetWindowTextW(edit.hwnd, row.box_text);
    EXPECT_EQ(edit.get_text_lines(), row.program_text);
    const int before = edit.set_text_count;
    edit.set_text_lines(row.program_text);
    EXPECT_EQ(edit.set_text_count, before) << "the box holds this text already";
    edit.set_text_lines(std::wstring(row.program_text) + L"x\ny");
    EXPECT_EQ(edit.set_text_count, before + 1);
    EXPECT_EQ(raw_text(edit.hwnd), std::wstring(row.box_text) + L"x\r\ny");
  }
}

TEST_F(Controls, EnterAndEscapeStayInTheEditBox) {
  Ctest_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_CONTROLS, L"controls"));
  dialog.set_show(true);
  ZOR::Cc_edit edit;
  ASSERT_TRUE(dialog.bind_control(edit, IDC_EDIT, L"edit"));
  edit.set_focus();
  zor_test::post_key(edit.hwnd, VK_RETURN);
  zor_test::post_key(edit.hwnd, VK_ESCAPE);
  zor_test::pump_pending();
  zor_test::pump_until([] { return false; }, 200);
  EXPECT_FALSE(dialog.received(IDOK)) << "Enter in the edit box pressed the default button";
  EXPECT_FALSE(dialog.received(IDCANCEL)) << "Escape in the edit box cancelled the dialog";
  EXPECT_EQ(GetFocus(), edit.hwnd);

  // A multi-line box that wants Enter breaks the line; Escape does not close the dialog.
  ZOR::Cc_edit multi;
  ASSERT_TRUE(dialog.bind_control(multi, IDC_MULTI_EDIT, L"multi"));
  multi.set_focus();
  zor_test::post_key(multi.hwnd, VK_RETURN);
  zor_test::post_key(multi.hwnd, VK_ESCAPE);
  zor_test::pump_pending();
  zor_test::pump_until([] { return false; }, 200);
  EXPECT_TRUE(IsWindow(dialog.hwnd)) << "Escape in a multi-line box closed the dialog";
  EXPECT_FALSE(dialog.received(IDOK));
  EXPECT_FALSE(dialog.received(IDCANCEL));
  EXPECT_EQ(multi.get_text_lines(), L"\n");

  // The same keys in an edit box without wrapper do reach the dialog.
  HWND plain = GetDlgItem(dialog.hwnd, IDC_PLAIN_EDIT);
  SetFocus(plain);
  zor_test::post_key(plain, VK_RETURN);
  EXPECT_TRUE(zor_test::pump_until([&] { return dialog.received(IDOK); }));
}

TEST_F(Controls, ChecksReadOnlyTheCheckedState) {
  Ctest_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_CONTROLS, L"controls"));
  ZOR::Cc_check check;
  ZOR::Cc_radio first, second;
  ASSERT_TRUE(dialog.bind_control(check, IDC_THREE_STATE, L"check"));
  ASSERT_TRUE(dialog.bind_control(first, IDC_RADIO_FIRST, L"first"));
  ASSERT_TRUE(dialog.bind_control(second, IDC_RADIO_SECOND, L"second"));

  SendMessageW(check.hwnd, BM_SETCHECK, BST_INDETERMINATE, 0);
  ASSERT_EQ(SendMessageW(check.hwnd, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_FALSE(check.get_check()) << "an indeterminate box reads as unchecked";
  check.set_check(true);
  EXPECT_EQ(SendMessageW(check.hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(check.get_check());
  check.set_check(false);
  EXPECT_EQ(SendMessageW(check.hwnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_FALSE(check.get_check());

  second.set_check(true);
  EXPECT_TRUE(second.get_check());
  EXPECT_FALSE(first.get_check());
  SendMessageW(first.hwnd, BM_CLICK, 0, 0);
  EXPECT_TRUE(first.get_check());
  EXPECT_FALSE(second.get_check()) << "the template's auto-radio group is exclusive";
}

TEST_F(Controls, ProgressAndComboBoxOperations) {
  Ctest_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_CONTROLS, L"controls"));
  ZOR::Cc_progress progress;
  ZOR::Cc_combobox combo;
  ASSERT_TRUE(dialog.bind_control(progress, IDC_PROGRESS, L"progress"));
  ASSERT_TRUE(dialog.bind_control(combo, IDC_COMBO, L"combo"));

  progress.set_range(100000);
  PBRANGE range = {};
  SendMessageW(progress.hwnd, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(range.iLow, 0);
  EXPECT_EQ(range.iHigh, 100000) << "a range beyond 16 bits";
  progress.set_pos(70000);
  EXPECT_EQ(SendMessageW(progress.hwnd, PBM_GETPOS, 0, 0), 70000);

  for (const wchar_t* item : {L"一", L"二番目の項目", L""}) {
    SendMessageW(combo.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  EXPECT_EQ(combo.get_cur_sel(), CB_ERR);
  EXPECT_EQ(combo.get_item_text(0), L"一");
  EXPECT_EQ(combo.get_item_text(1), L"二番目の項目");
  EXPECT_EQ(combo.get_item_text(2), L"");
  EXPECT_EQ(combo.get_item_text(3), L"") << "no such item";
  SendMessageW(combo.hwnd, CB_SETCURSEL, 1, 0);
  EXPECT_EQ(combo.get_cur_sel(), 1);
}

TEST_F(Controls, WrappersOfMissingItemsDoNothing) {
  Ctest_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_CONTROLS, L"controls"));
  ZOR::Cc_check check;
  ZOR::Cc_radio radio;
  ZOR::Cc_edit edit;
  ZOR::Cc_progress progress;
  ZOR::Cc_combobox combo;
  ZOR::Cc_static label;
  for (ZOR::C_control* control : std::vector<ZOR::C_control*>{&check, &radio, &edit, &progress, &combo, &label}) {
    EXPECT_FALSE(dialog.bind_control(*control, IDC_MISSING, L"missing"));
    EXPECT_EQ(control->hwnd, nullptr);
    control->set_text(L"x");
    control->set_show(false);
    control->set_enable(false);
    control->set_focus();
    EXPECT_EQ(control->get_text(), L"");
  }
  check.set_check(true);
  radio.set_check(true);
  EXPECT_FALSE(check.get_check());
  EXPECT_FALSE(radio.get_check());
  edit.set_text_lines(L"a\nb");
  EXPECT_EQ(edit.get_text_lines(), L"");
  progress.set_range(10);
  progress.set_pos(5);
  EXPECT_EQ(combo.get_item_text(0), L"");
  EXPECT_EQ(combo.get_cur_sel(), CB_ERR);
  EXPECT_TRUE(dialog.children.empty());
}

}  // namespace
