// The list view wrapper on a real dialog: columns, rows and cells in a list that keeps its
// cells and in an owner-data one, the first column's fitting, and the CSV text and file.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lib/error/error.h"
#include "lib/listview/listview.h"
#include "lib/text/codepage.h"
#include "tests/driver/test_places.h"
#include "tests/unit/listview/listview_testing.h"

namespace {

using Listview = listview_test::Lists_test;

// The text the control itself reports for a cell (for an owner-data list it asks the
// dialog, which asks the wrapper).
std::wstring control_text(HWND list, int row, int column) {
  wchar_t buffer[512] = {};
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = 512;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return buffer;
}

TEST_F(Listview, BothKindsOfListKeepColumnsRowsAndCells) {
  const std::wstring long_text(300, L'長');
  for (listview_test::Ccounting_list* list : {&dialog.list, &dialog.owner_list}) {
    SCOPED_TRACE(list->owner_data() ? "owner-data list" : "list");
    list->add_column(L"NAME", L"名前");
    list->add_column(L"VALUE", L"値");
    EXPECT_EQ(list->column_count(), 2);
    EXPECT_EQ(list->column_names, (std::vector<std::wstring>{L"NAME", L"VALUE"}));

    EXPECT_EQ(list->append_row(), 0);
    EXPECT_EQ(list->append_row(), 1);
    EXPECT_EQ(list->append_rows({L"三", L"四"}), 2);
    EXPECT_EQ(list->row_count(), 4);
    EXPECT_EQ(list->get_cell_text(2, 0), L"三");
    EXPECT_EQ(list->get_cell_text(3, 0), L"四");
    EXPECT_EQ(list->get_cell_text(3, 1), L"");

    list->set_cell_text(1, 1, L"値一");
    list->set_cell_text(0, 0, long_text);
    EXPECT_EQ(list->get_cell_text(1, 1), L"値一");
    EXPECT_EQ(control_text(list->hwnd, 1, 1), L"値一");
    EXPECT_EQ(list->get_cell_text(0, 0), long_text.substr(0, 259)) << "at most 259 characters";
    EXPECT_EQ(list->get_cell_text(9, 0), L"") << "no such row";
    EXPECT_EQ(list->get_cell_text(0, 5), L"") << "no such column";

    const int changes = list->set_item_text_count;
    list->set_cell_text(1, 1, L"値一");
    EXPECT_EQ(list->set_item_text_count, changes) << "the cell holds this text already";

    list->delete_all_rows();
    EXPECT_EQ(list->row_count(), 0);
    EXPECT_EQ(list->get_cell_text(0, 0), L"");
  }
}

TEST_F(Listview, OwnerDataRowsGainAnEmptyCellForALaterColumn) {
  ZOR::Cc_listview& list = dialog.owner_list;
  list.add_column(L"A", L"A");
  list.append_rows({L"a0", L"a1"});
  list.add_column(L"B", L"B");
  list.set_cell_text(1, 1, L"b1");
  EXPECT_EQ(list.get_cell_text(0, 0), L"a0");
  EXPECT_EQ(list.get_cell_text(1, 0), L"a1");
  EXPECT_EQ(list.get_cell_text(0, 1), L"");
  EXPECT_EQ(control_text(list.hwnd, 1, 1), L"b1");
}

TEST_F(Listview, OwnerDataRowsAppendedDeferredShowAtOnce) {
  ZOR::Cc_listview& list = dialog.owner_list;
  list.add_column(L"LOG", L"ログ");
  list.append_rows({L"first"});
  const std::wstring huge(600000, L'巨');  // larger than one block of the store
  std::vector<std::wstring> texts;
  for (int i = 0; i < 1000; ++i) texts.push_back(L"row " + std::to_wstring(i));
  std::vector<std::wstring_view> rows(texts.begin(), texts.end());
  rows.push_back(huge);
  EXPECT_EQ(list.append_rows(rows, ZOR::Cc_listview::Row_display::deferred), 1001);
  EXPECT_EQ(list.row_count(), 1) << "the control learns of deferred rows with show_rows";
  EXPECT_TRUE(list.show_rows());
  EXPECT_FALSE(list.show_rows()) << "no new rows: the control is not told again";
  list.ensure_visible(list.row_count() - 1);
  EXPECT_EQ(list.row_count(), 1002);
  EXPECT_EQ(list.get_cell_text(500, 0), L"row 499");
  EXPECT_EQ(control_text(list.hwnd, 1000, 0), L"row 999");
  EXPECT_EQ(list.get_cell_text(1001, 0), huge.substr(0, 259));
  const auto top = SendMessageW(list.hwnd, LVM_GETTOPINDEX, 0, 0);
  const auto per_page = SendMessageW(list.hwnd, LVM_GETCOUNTPERPAGE, 0, 0);
  EXPECT_GE(top + per_page, 1002) << "the last row is shown";
  list.delete_all_rows();
  EXPECT_EQ(list.row_count(), 0);
  list.append_rows({L"again"});
  EXPECT_EQ(control_text(list.hwnd, 0, 0), L"again");
}

TEST_F(Listview, FirstColumnFillsTheClientWidthWithoutHorizontalScrollBar) {
  ZOR::Cc_listview& list = dialog.list;
  list.add_column(L"LOG", L"ログ");
  list.append_rows({std::wstring(200, L'x')});
  auto client_width = [&list] {
    RECT client = {};
    GetClientRect(list.hwnd, &client);
    return static_cast<int>(client.right);
  };
  auto column_width = [&list](int column) {
    return static_cast<int>(SendMessageW(list.hwnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
  };
  list.fit_first_column();
  EXPECT_EQ(column_width(0), client_width());
  EXPECT_EQ(GetWindowLongPtrW(list.hwnd, GWL_STYLE) & WS_HSCROLL, 0);

  RECT rect = list.get_rect_in_parent();
  SetWindowPos(list.hwnd, nullptr, 0, 0, rect.right - rect.left + 120, rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER);
  list.fit_first_column();
  EXPECT_EQ(column_width(0), client_width()) << "after widening";

  list.add_column(L"MORE", L"他");
  SendMessageW(list.hwnd, LVM_SETCOLUMNWIDTH, 1, 50);
  list.fit_first_column();
  EXPECT_EQ(column_width(0), client_width() - 50);
  SendMessageW(list.hwnd, LVM_SETCOLUMNWIDTH, 1, client_width() + 40);
  list.fit_first_column();
  EXPECT_EQ(column_width(0), 0) << "never below 0";
}

TEST(Csv, FieldsDoubleTheirQuotesAndEncloseQuotesAndCommas) {
  const struct {
    const wchar_t* cell;
    const wchar_t* field;
  } rows[] = {
      {L"plain", L"plain"},
      {L"", L""},
      {L"a,b", L"\"a,b\""},
      {L"say \"hi\"", L"\"say \"\"hi\"\"\""},
      {L"\"", L"\"\"\"\""},
      {L"日本語 テキスト", L"日本語 テキスト"},
      {L"line\nbreak", L"line\nbreak"},
      {L",\",", L"\",\"\",\""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ZOR::csv_field(row.cell), row.field) << testing::PrintToString(std::wstring(row.cell));
  }
}

TEST_F(Listview, CsvFileHoldsEveryCellInTheAnsiCodePageWithCrLfBetweenRows) {
  driver::Ctemp_folder temp;
  const std::wstring z259(259, L'z');
  for (ZOR::Cc_listview* list : {static_cast<ZOR::Cc_listview*>(&dialog.list), static_cast<ZOR::Cc_listview*>(&dialog.owner_list)}) {
    SCOPED_TRACE(list->owner_data() ? "owner-data list" : "list");
    list->add_column(L"A", L"列A");
    list->add_column(L"B", L"列B");
    const std::wstring empty_path = temp / (list->owner_data() ? L"empty_owner.csv" : L"empty.csv");
    ASSERT_TRUE(list->write_csv(empty_path));
    EXPECT_TRUE(driver::exists(empty_path));
    EXPECT_EQ(driver::read_bytes(empty_path), "") << "an empty list gives an empty file";

    list->append_rows({L"a", L"x,y", L"日本"});
    list->set_cell_text(0, 1, L"b");
    list->set_cell_text(1, 1, L"say \"hi\"");
    list->set_cell_text(2, 1, std::wstring(300, L'z'));
    EXPECT_EQ(list->csv_text(), L"a,b\n\"x,y\",\"say \"\"hi\"\"\"\n日本," + z259);
    const std::wstring path = temp / L"list.csv";
    ASSERT_TRUE(driver::write_bytes(path, "an older and longer content that must go"));
    ASSERT_TRUE(list->write_csv(path));
    EXPECT_EQ(driver::read_bytes(path), "a,b\r\n\"x,y\",\"say \"\"hi\"\"\"\r\n" + ZOR::to_multibyte(L"日本") + "," +
                                            std::string(259, 'z'))
        << "no column captions, no line end after the last row";
  }
  ZOR::clear_last_error();
  EXPECT_FALSE(dialog.list.write_csv(temp / L"missing\\list.csv"));
  ZOR::Cerror_info error;
  ASSERT_TRUE(ZOR::get_last_error(error));
  EXPECT_EQ(error.operation, L"fopen(\"wt\")");
}

}  // namespace
