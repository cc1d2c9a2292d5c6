// The list view tests' dialog: a list that keeps its cells and an owner-data one, with the
// edit notifications the dialog receives recorded as they arrive.
#ifndef ZOR_TESTS_UNIT_LISTVIEW_LISTVIEW_TESTING_H
#define ZOR_TESTS_UNIT_LISTVIEW_LISTVIEW_TESTING_H

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "lib/listview/listview.h"
#include "lib/window/dialog.h"
#include "tests/support/window_testing.h"
#include "tests/unit/listview/test_resource.h"

namespace listview_test {

// A list that counts the LVM_SETITEMTEXTW it receives.
class Ccounting_list : public ZOR::Cc_listview {
 public:
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == LVM_SETITEMTEXTW) ++set_item_text_count;
    return Cc_listview::window_proc(message, wparam, lparam);
  }
  int set_item_text_count = 0;
};

// One edit notification as the dialog received it.
struct Cnotice {
  UINT code;
  std::wstring cell;  // the edited cell's text when the notice arrived
  int row;
  int column;
  int value;
  std::wstring text;
  bool has_text;
  UINT_PTR control_id;

  bool operator==(const Cnotice& other) const {
    return code == other.code && cell == other.cell && row == other.row && column == other.column &&
           value == other.value && text == other.text && has_text == other.has_text &&
           control_id == other.control_id;
  }
};

inline std::ostream& operator<<(std::ostream& out, const Cnotice& notice) {
  return out << "{code " << static_cast<int>(notice.code) << " cell " << testing::PrintToString(notice.cell) << " row "
             << notice.row << " column " << notice.column << " value " << notice.value << " text "
             << (notice.has_text ? testing::PrintToString(notice.text) : "none") << " id " << notice.control_id
             << "}";
}

class Clists_dialog : public ZOR::C_dialog {
 public:
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == WM_INITDIALOG) {
      bind_control(list, IDC_LIST, L"list");
      bind_control(owner_list, IDC_OWNER_LIST, L"owner list");
      return TRUE;
    }
    if (message == WM_NOTIFY) {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header->code == LVN_GETDISPINFOW && header->hwndFrom == owner_list.hwnd) {
        owner_list.fill_display_info(*reinterpret_cast<NMLVDISPINFOW*>(lparam));
      }
      if (header->code == ZOR::cell_changing_code || header->code == ZOR::cell_changed_code ||
          header->code == ZOR::edit_ended_code) {
        const auto* record = reinterpret_cast<const ZOR::Ccell_edit_notify*>(lparam);
        const auto* from = header->hwndFrom == owner_list.hwnd ? &owner_list : &list;
        notices.push_back({header->code, from->get_cell_text(record->row, record->column), record->row, record->column, record->value,
                           record->text != nullptr ? record->text : L"", record->text != nullptr,
                           static_cast<UINT_PTR>(wparam)});
      }
    }
    return C_dialog::window_proc(message, wparam, lparam);
  }

  Ccounting_list list;
  Ccounting_list owner_list;
  std::vector<Cnotice> notices;
};

// A test with the lists' dialog open and shown.
class Lists_test : public zor_test::Window_test {
 protected:
  void SetUp() override {
    Window_test::SetUp();
    ASSERT_TRUE(dialog.create(IDD_LISTS, L"lists"));
    dialog.set_show(true);
  }
  void TearDown() override {
    dialog.destroy();
    Window_test::TearDown();
  }

  Clists_dialog dialog;
};

}  // namespace listview_test

#endif
