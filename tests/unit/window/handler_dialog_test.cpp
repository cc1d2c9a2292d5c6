// The handler dialog in real windows: WM_INITDIALOG, WM_COMMAND and WM_CLOSE reach
// on_init, on_command and on_close, and their answers decide what the dialog does.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "lib/controls/edit.h"
#include "lib/window/dialog.h"
#include "tests/support/window_testing.h"
#include "tests/unit/window/test_resource.h"

namespace {

using Handler_dialog = zor_test::Window_test;

// Records what reaches its handlers; its answers are set by the test.
class Chandler_recording_dialog : public ZOR::C_handler_dialog {
 public:
  ZOR::Cc_edit edit;
  bool focus_first = false;
  bool agree_close = true;
  int init_count = 0;
  bool bound_at_init = false;
  std::vector<int> commands;
  int close_requests = 0;

 private:
  bool on_init() override {
    ++init_count;
    bound_at_init = bind_control(edit, IDC_TEST_EDIT, L"edit");
    return focus_first;
  }
  void on_command(int id) override { commands.push_back(id); }
  bool on_close() override {
    ++close_requests;
    return agree_close;
  }
};

TEST_F(Handler_dialog, MessagesReachTheHandlersAndTheirAnswersCount) {
  Chandler_recording_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_TEST_PLAIN, L"handled"));
  EXPECT_EQ(dialog.init_count, 1);
  EXPECT_TRUE(dialog.bound_at_init) << "on_init runs with the dialog bound";
  EXPECT_EQ(dialog.window_proc(WM_INITDIALOG, 0, 0), FALSE) << "false leaves the focus to on_init";
  dialog.focus_first = true;
  EXPECT_EQ(dialog.window_proc(WM_INITDIALOG, 0, 0), TRUE) << "true lets the dialog manager focus";

  HWND button = GetDlgItem(dialog.hwnd, IDC_TEST_BUTTON);
  ASSERT_NE(button, nullptr);
  SendMessageW(button, BM_CLICK, 0, 0);
  SendMessageW(dialog.hwnd, WM_COMMAND, MAKEWPARAM(IDC_TEST_EDIT, EN_CHANGE),
               reinterpret_cast<LPARAM>(dialog.edit.hwnd));
  EXPECT_EQ(dialog.commands, (std::vector<int>{IDC_TEST_BUTTON, IDC_TEST_EDIT}))
      << "on_command gets the identifier without the notification code";

  HWND window = dialog.hwnd;
  dialog.agree_close = false;
  dialog.close();
  EXPECT_EQ(dialog.close_requests, 1);
  EXPECT_TRUE(IsWindow(window)) << "a refused close keeps the window";
  EXPECT_EQ(dialog.hwnd, window);
  dialog.agree_close = true;
  dialog.close();
  EXPECT_EQ(dialog.close_requests, 2);
  EXPECT_FALSE(IsWindow(window)) << "an agreed close destroys the window";
  EXPECT_EQ(dialog.hwnd, nullptr);
}

TEST_F(Handler_dialog, DefaultHandlersAgreeToClose) {
  ZOR::C_handler_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_TEST_PLAIN, L"plain"));
  HWND window = dialog.hwnd;
  EXPECT_EQ(dialog.window_proc(WM_INITDIALOG, 0, 0), FALSE);
  SendMessageW(GetDlgItem(window, IDC_TEST_BUTTON), BM_CLICK, 0, 0);
  EXPECT_TRUE(IsWindow(window));
  dialog.close();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(dialog.hwnd, nullptr);
}

}  // namespace
