// The list's context menu and the save dialog: "csv で保存" asks for a path with the CSV
// filter, adds ".csv" to a bare name, asks before replacing a file and writes the list.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "lib/listview/listview.h"
#include "tests/driver/driver.h"
#include "tests/unit/listview/listview_testing.h"

namespace {

using Save = listview_test::Lists_test;

// The file-name box of the platform's save dialog (the explorer-style combo box, or the
// plain edit box of older templates).
HWND file_name_box(HWND dialog) {
  HWND box = driver::item(dialog, cmb13);
  return box != nullptr ? box : driver::item(dialog, edt1);
}

// Drives the modal windows of this process from a second thread while the test's thread
// sits in the menu and the save dialog.
class Cuser {
 public:
  explicit Cuser(std::function<void()> steps) : thread_(std::move(steps)) {}
  ~Cuser() { thread_.join(); }

 private:
  std::thread thread_;
};

// Chooses "csv で保存" in the open context menu.
void choose_save_csv() {
  HWND menu = driver::wait_window(GetCurrentProcessId(), L"", L"#32768");
  if (menu == nullptr) return;
  PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
}

// Waits for the save dialog titled "CSV 形式で保存", checks its preset name, types name and saves.
HWND save_as(const std::wstring& name) {
  HWND dialog = driver::wait_dialog(GetCurrentProcessId(), L"CSV 形式で保存", IDOK);
  if (dialog == nullptr) return nullptr;
  EXPECT_EQ(driver::text_of(file_name_box(dialog)), L"新しい CSV ファイル.csv");
  SendMessageW(file_name_box(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  driver::post_click(dialog, IDOK);
  return dialog;
}

TEST_F(Save, ContextMenuSavesTheListAsCsvAndAsksBeforeReplacing) {
  driver::Ctemp_folder temp;
  ZOR::Cc_listview& list = dialog.list;
  list.add_column(L"LOG", L"ログ");
  list.append_rows({L"a,b", L"c"});
  ZOR::set_main_window_handle(dialog.hwnd);
  {
    Cuser user([&] {
      choose_save_csv();
      HWND save = save_as(temp / L"saved");
      if (save != nullptr) driver::wait_window_gone(save);
    });
    SendMessageW(list.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.hwnd), MAKELPARAM(20, 20));
  }
  EXPECT_EQ(driver::read_bytes(temp / L"saved.csv"), "\"a,b\"\r\nc") << "the default extension is added";

  list.append_rows({L"d"});
  {
    Cuser user([&] {
      choose_save_csv();
      save_as(temp / L"saved.csv");
      driver::Cmessage_box question = driver::wait_message_box(GetCurrentProcessId());
      EXPECT_NE(question.text.find(L"saved.csv"), std::wstring::npos) << "the overwrite question names the file";
      if (question.window != nullptr) driver::answer_message_box(question, IDNO);
      HWND save = driver::wait_dialog(GetCurrentProcessId(), L"CSV 形式で保存", IDOK);
      if (save != nullptr) driver::click(save, IDCANCEL);
    });
    SendMessageW(list.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.hwnd), MAKELPARAM(20, 20));
  }
  EXPECT_EQ(driver::read_bytes(temp / L"saved.csv"), "\"a,b\"\r\nc") << "No to the question, then cancel: unchanged";

  {
    Cuser user([&] {
      choose_save_csv();
      save_as(temp / L"saved.csv");
      driver::Cmessage_box question = driver::wait_message_box(GetCurrentProcessId());
      if (question.window != nullptr) driver::answer_message_box(question, IDYES);
    });
    SendMessageW(list.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.hwnd), MAKELPARAM(20, 20));
  }
  EXPECT_EQ(driver::read_bytes(temp / L"saved.csv"), "\"a,b\"\r\nc\r\nd");
}

}  // namespace
