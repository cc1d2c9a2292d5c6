// The ending side of the list view's in-place editors: the keys and focus changes that end
// an edit, the cell they leave, and the notifications the parent receives in order.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lib/listview/listview.h"
#include "tests/unit/listview/listview_testing.h"

namespace {

using listview_test::Cnotice;

class Editors : public listview_test::Lists_test {
 protected:
  void SetUp() override {
    Lists_test::SetUp();
    list().add_column(L"NAME", L"名前");
    list().add_column(L"VALUE", L"値");
    list().append_rows({L"一", L"二", L"三"});
    id = static_cast<UINT_PTR>(GetWindowLongPtrW(list().hwnd, GWL_ID));
  }

  ZOR::Cc_listview& list() { return dialog.list; }

  // Opens the edit box (and, for a numeric cell, the spin control) over a cell, as a
  // program that edits cells would.
  void open_edit(int row, int column, const std::wstring& text, bool with_spin = false) {
    ASSERT_TRUE(list().editor_edit.create_child(L"edit", L"Edit", text, list().hwnd));
    if (with_spin) {
      ASSERT_TRUE(list().editor_spin.create_child(L"spin", UPDOWN_CLASSW, L"", list().hwnd));
    }
    list().editing = true;
    list().edit_row = row;
    list().edit_column = column;
    list().editor_edit.set_focus();
    dialog.notices.clear();
  }

  // Lets the posted notifications arrive.
  void settle() {
    zor_test::pump_pending();
    zor_test::pump_until([] { return false; }, 100);
  }

  // The notices of a committed edit: the first arrives while the cell still holds before.
  Cnotice changing(int row, int column, const std::wstring& text, const std::wstring& before) {
    return {ZOR::cell_changing_code, before, row, column, 0, text, true, id};
  }
  Cnotice changed(int row, int column, const std::wstring& text) {
    return {ZOR::cell_changed_code, text, row, column, 0, text, true, id};
  }
  Cnotice ended(int row, int column, int reason, const std::wstring& cell) {
    return {ZOR::edit_ended_code, cell, row, column, reason, L"", false, id};
  }

  UINT_PTR id = 0;
};

TEST_F(Editors, KeysEndTheEditBoxEditWithTheirReason) {
  const struct {
    const char* name;
    WPARAM key;
    bool commits;
    int reason;
  } rows[] = {
      {"Enter", VK_RETURN, true, ZOR::edit_end_enter},
      {"Up", VK_UP, true, ZOR::edit_end_up},
      {"Down", VK_DOWN, true, ZOR::edit_end_down},
      {"Escape", VK_ESCAPE, false, ZOR::edit_end_escape},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    list().set_cell_text(1, 1, L"前");
    open_edit(1, 1, L"新しい値");
    HWND edit = list().editor_edit.hwnd;
    zor_test::post_key(edit, row.key);
    settle();
    EXPECT_FALSE(list().editing);
    EXPECT_FALSE(IsWindow(edit)) << "the edit box is destroyed";
    EXPECT_EQ(list().get_cell_text(1, 1), row.commits ? L"新しい値" : L"前");
    std::vector<Cnotice> expected;
    if (row.commits) expected = {changing(1, 1, L"新しい値", L"前"), changed(1, 1, L"新しい値")};
    expected.push_back(ended(1, 1, row.reason, row.commits ? L"新しい値" : L"前"));
    EXPECT_EQ(dialog.notices, expected);
  }
}

TEST_F(Editors, OnlyTheFirstNoticeIsSentTheOthersArePosted) {
  open_edit(0, 1, L"値");
  list().end_edit(true, ZOR::edit_end_enter);
  EXPECT_EQ(dialog.notices, (std::vector<Cnotice>{changing(0, 1, L"値", L"")})) << "before any message is pumped";
  settle();
  EXPECT_EQ(dialog.notices.size(), 3u);
}

TEST_F(Editors, NumericCellsAreReadClampedAndWrittenInDecimal) {
  list().edit_numeric = true;
  list().number_min = -10;
  list().number_max = 100;
  list().number_default = 7;
  const struct {
    const wchar_t* typed;
    const wchar_t* stored;
  } rows[] = {
      {L"42", L"42"}, {L" 12", L"12"}, {L"250", L"100"}, {L"-30", L"-10"},
      {L"abc", L"7"}, {L"", L"7"},     {L"9x", L"9"},    {L"99999999999999", L"100"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.typed)));
    const std::wstring before = list().get_cell_text(2, 1);
    open_edit(2, 1, row.typed, true);
    HWND spin = list().editor_spin.hwnd;
    zor_test::post_key(list().editor_edit.hwnd, VK_RETURN);
    settle();
    EXPECT_EQ(list().get_cell_text(2, 1), row.stored);
    EXPECT_EQ(dialog.notices, (std::vector<Cnotice>{changing(2, 1, row.stored, before), changed(2, 1, row.stored),
                                                    ended(2, 1, ZOR::edit_end_enter, row.stored)}));
    EXPECT_FALSE(IsWindow(spin)) << "the spin control is destroyed with the edit box";
  }
}

TEST_F(Editors, FocusMovingBetweenPartnersKeepsTheEditAndLeavingCommits) {
  open_edit(0, 0, L"12", true);
  list().editor_spin.set_focus();
  list().editor_edit.set_focus();
  settle();
  EXPECT_TRUE(list().editing) << "edit box and spin control hand the focus to each other";
  EXPECT_TRUE(dialog.notices.empty());

  list().editor_edit.set_text(L"十三");
  list().editor_spin.set_focus();
  list().set_focus();
  settle();
  EXPECT_FALSE(list().editing);
  EXPECT_EQ(list().get_cell_text(0, 0), L"十三");
  EXPECT_EQ(dialog.notices, (std::vector<Cnotice>{changing(0, 0, L"十三", L"一"), changed(0, 0, L"十三"),
                                                  ended(0, 0, ZOR::edit_end_focus_lost, L"十三")}));
  EXPECT_EQ(list().editor_edit.hwnd, nullptr);
  EXPECT_EQ(list().editor_spin.hwnd, nullptr);
}

TEST_F(Editors, ComboCommitsTheChosenItemOrEndsWithoutChange) {
  auto open_combo = [this](int row) {
    ASSERT_TRUE(list().editor_combo.create_child(L"combo", L"ComboBox", L"", list().hwnd));
    for (const wchar_t* item : {L"赤", L"緑", L"青"}) {
      SendMessageW(list().editor_combo.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendMessageW(list().editor_combo.hwnd, CB_SETCURSEL, 2, 0);
    list().editing = true;
    list().edit_row = row;
    list().edit_column = 1;
    dialog.notices.clear();
  };
  auto combo_command = [this](WORD code) {
    HWND combo = list().editor_combo.hwnd;
    const WORD combo_id = static_cast<WORD>(GetWindowLongPtrW(combo, GWL_ID));
    SendMessageW(list().hwnd, WM_COMMAND, MAKEWPARAM(combo_id, code), reinterpret_cast<LPARAM>(combo));
    settle();
    return combo;
  };

  open_combo(1);
  HWND combo = combo_command(CBN_SELENDOK);
  EXPECT_FALSE(IsWindow(combo));
  EXPECT_FALSE(list().editing);
  EXPECT_EQ(list().get_cell_text(1, 1), L"青");
  EXPECT_EQ(dialog.notices, (std::vector<Cnotice>{{ZOR::cell_changing_code, L"", 1, 1, 2, L"", false, id},
                                                  {ZOR::cell_changed_code, L"青", 1, 1, 2, L"", false, id}}));

  open_combo(2);
  combo = combo_command(CBN_SELENDCANCEL);
  EXPECT_FALSE(IsWindow(combo));
  EXPECT_EQ(list().get_cell_text(2, 1), L"");
  EXPECT_TRUE(dialog.notices.empty());

  open_combo(0);
  combo = list().editor_combo.hwnd;
  list().editor_combo.set_focus();
  list().set_focus();
  settle();
  EXPECT_FALSE(IsWindow(combo)) << "losing the focus ends the combo edit";
  EXPECT_FALSE(list().editing);
  EXPECT_EQ(list().get_cell_text(0, 1), L"");
  EXPECT_TRUE(dialog.notices.empty());
}

}  // namespace
