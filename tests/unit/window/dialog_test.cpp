// Modeless and modal dialogs in real windows: creation, the window and snap lists, the
// end of the main loop, keyboard navigation through the pump, modal results.
#include "lib/window/dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "lib/error/error.h"
#include "lib/window/application.h"
#include "tests/support/window_testing.h"
#include "tests/unit/window/recording_dialog.h"
#include "tests/unit/window/test_resource.h"

namespace {

using Dialog = zor_test::Window_test;
using zor_test::Crecording_dialog;

int count_thread_windows_titled(const wchar_t* title) {
  struct Search {
    const wchar_t* title;
    int count;
  } search = {title, 0};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t text[64] = {};
        GetWindowTextW(window, text, 64);
        if (std::wstring(text) == s->title) ++s->count;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.count;
}

TEST_F(Dialog, CreateTwiceCreatesOnce) {
  Crecording_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_TEST_PLAIN, L"plain"));
  HWND first = dialog.hwnd;
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(dialog.create(IDD_TEST_PLAIN, L"again"));
  EXPECT_EQ(dialog.hwnd, first);
  EXPECT_EQ(dialog.init_count, 1);
  EXPECT_EQ(dialog.name, L"plain");
  EXPECT_EQ(count_thread_windows_titled(L"試験用ダイアログ"), 1);
  EXPECT_TRUE(dialog.is_dialog);
  EXPECT_EQ(dialog.prev_proc, nullptr) << "a dialog created by the library keeps its own procedure";
}

TEST_F(Dialog, FailedCreationRecordsCreateDialogParam) {
  Crecording_dialog dialog;
  EXPECT_FALSE(dialog.create(IDC_TEST_MISSING, L"missing"));
  EXPECT_EQ(dialog.hwnd, nullptr);
  EXPECT_NE(ZOR::get_last_error_text().find(L"関数 CreateDialogParam においてエラーが発生しました。"),
            std::wstring::npos)
      << testing::PrintToString(ZOR::get_last_error_text());
  EXPECT_TRUE(ZOR::application.window_list.empty());
}

TEST_F(Dialog, WindowAndSnapListsFollowCreationAndDestruction) {
  Crecording_dialog snapping, plain;
  ASSERT_TRUE(snapping.create(IDD_TEST_PLAIN, L"snapping", false, true));
  ASSERT_TRUE(plain.create(IDD_TEST_PLAIN, L"plain"));
  EXPECT_EQ(ZOR::application.window_list, (std::vector<HWND>{snapping.hwnd, plain.hwnd}));
  EXPECT_EQ(ZOR::snap_list, std::vector<HWND>{snapping.hwnd});

  HWND old = snapping.hwnd;
  snapping.destroy();
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(snapping.hwnd, nullptr);
  EXPECT_EQ(ZOR::application.window_list, std::vector<HWND>{plain.hwnd});
  EXPECT_TRUE(ZOR::snap_list.empty());

  ASSERT_TRUE(snapping.create(IDD_TEST_PLAIN, L"snapping", false, true)) << "an object can be bound again";
  EXPECT_EQ(ZOR::application.window_list, (std::vector<HWND>{plain.hwnd, snapping.hwnd}));
  EXPECT_EQ(ZOR::snap_list, std::vector<HWND>{snapping.hwnd});

  HWND orphan = nullptr;
  {
    Crecording_dialog scoped;
    ASSERT_TRUE(scoped.create(IDD_TEST_PLAIN, L"scoped"));
    orphan = scoped.hwnd;
  }
  EXPECT_TRUE(IsWindow(orphan)) << "an object never destroys its window";
  EXPECT_EQ(GetPropW(orphan, L"this"), nullptr);
  EXPECT_EQ(std::count(ZOR::application.window_list.begin(), ZOR::application.window_list.end(), orphan), 0);
  EXPECT_TRUE(DestroyWindow(orphan));
  EXPECT_EQ(ZOR::application.window_list, (std::vector<HWND>{plain.hwnd, snapping.hwnd}));
}

TEST_F(Dialog, OnlyTheMainWindowEndsTheLoopAfterThePendingMessages) {
  Crecording_dialog main_dialog, other, witness;
  ASSERT_TRUE(main_dialog.create(IDD_TEST_PLAIN, L"main"));
  ASSERT_TRUE(other.create(IDD_TEST_PLAIN, L"other"));
  ASSERT_TRUE(witness.create(IDD_TEST_PLAIN, L"witness"));
  main_dialog.set_main_window();
  EXPECT_EQ(ZOR::application.main_window, main_dialog.hwnd);
  EXPECT_EQ(ZOR::message_box_owner(), main_dialog.hwnd);

  other.destroy();
  EXPECT_TRUE(ZOR::pump_messages());
  EXPECT_FALSE(ZOR::application.quit_received);
  EXPECT_EQ(ZOR::application.main_window, main_dialog.hwnd);

  PostMessageW(witness.hwnd, WM_APP, 1, 0);
  main_dialog.destroy();
  PostMessageW(witness.hwnd, WM_APP, 2, 0);
  EXPECT_EQ(ZOR::application.main_window, nullptr);
  EXPECT_EQ(ZOR::message_box_owner(), nullptr);
  EXPECT_FALSE(ZOR::pump_messages());
  EXPECT_TRUE(ZOR::application.quit_received);
  EXPECT_EQ(witness.app_messages, (std::vector<int>{1, 2})) << "messages queued before the quit are handled";
  PostMessageW(witness.hwnd, WM_APP, 3, 0);
  EXPECT_FALSE(ZOR::pump_messages()) << "the pump stays ended";
  EXPECT_EQ(witness.app_messages.size(), 2u);
}

TEST_F(Dialog, MainLoopRunsPerPassWorkUntilTheMainWindowIsGone) {
  Crecording_dialog main_dialog;
  ASSERT_TRUE(main_dialog.create(IDD_TEST_PLAIN, L"main"));
  main_dialog.set_main_window();
  int passes = 0;
  ZOR::run_main_loop([&] {
    if (++passes == 3) main_dialog.destroy();
  });
  EXPECT_EQ(passes, 3);
  EXPECT_TRUE(ZOR::application.quit_received);
}

TEST_F(Dialog, TabEnterAndEscapeReachEveryModelessDialog) {
  Crecording_dialog first, second;
  ASSERT_TRUE(first.create(IDD_TEST_PLAIN, L"first"));
  ASSERT_TRUE(second.create(IDD_TEST_PLAIN, L"second"));
  for (Crecording_dialog* dialog : {&first, &second}) {
    SCOPED_TRACE(testing::PrintToString(dialog->name));
    dialog->set_show(true);
    HWND edit = GetDlgItem(dialog->hwnd, IDC_TEST_EDIT);
    HWND check = GetDlgItem(dialog->hwnd, IDC_TEST_CHECK);
    SetFocus(edit);
    ASSERT_EQ(GetFocus(), edit);
    zor_test::post_key(edit, VK_TAB);
    EXPECT_TRUE(zor_test::pump_until([&] { return GetFocus() == check; })) << "Tab moves the focus";
    zor_test::post_key(check, VK_RETURN);
    EXPECT_TRUE(zor_test::pump_until([&] { return dialog->received(IDOK); })) << "Enter presses the default button";
    zor_test::post_key(check, VK_ESCAPE);
    EXPECT_TRUE(zor_test::pump_until([&] { return dialog->received(IDCANCEL); })) << "Escape cancels";
  }
}

// A modal dialog that, once running, tries to run itself again and then ends with 42.
class Cself_ending_dialog : public ZOR::C_modal_dialog {
 public:
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override {
    switch (message) {
      case WM_INITDIALOG:
        PostMessageW(hwnd, WM_APP, 0, 0);
        return TRUE;
      case WM_APP:
        nested_result = run_modal(IDD_TEST_MODAL, L"nested");
        was_listed = std::count(ZOR::application.window_list.begin(), ZOR::application.window_list.end(), hwnd) == 1;
        EndDialog(hwnd, 42);
        return TRUE;
      case WM_CLOSE:
        EndDialog(hwnd, IDCANCEL);
        return TRUE;
      default:
        break;
    }
    return C_modal_dialog::window_proc(message, wparam, lparam);
  }

  INT_PTR nested_result = -7;
  bool was_listed = false;
};

TEST_F(Dialog, ModalDialogReturnsItsEndDialogValue) {
  Cself_ending_dialog dialog;
  EXPECT_EQ(dialog.run_modal(IDD_TEST_MODAL, L"modal"), 42);
  EXPECT_EQ(dialog.nested_result, 0) << "a running modal dialog is not run again";
  EXPECT_TRUE(dialog.was_listed);
  EXPECT_TRUE(dialog.limit_min_size);
  EXPECT_EQ(dialog.name, L"modal");
  EXPECT_EQ(dialog.hwnd, nullptr);
  EXPECT_TRUE(ZOR::application.window_list.empty());
  EXPECT_EQ(dialog.run_modal(IDD_TEST_MODAL, L"modal"), 42) << "and it runs again once ended";

  Cself_ending_dialog missing;
  EXPECT_EQ(missing.run_modal(IDC_TEST_MISSING, L"missing"), -1);
  EXPECT_NE(ZOR::get_last_error_text().find(L"DialogBoxParam"), std::wstring::npos);
}

TEST_F(Dialog, CloseDestroysAModelessDialog) {
  Crecording_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_TEST_PLAIN, L"closing"));
  HWND window = dialog.hwnd;
  dialog.close();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(dialog.hwnd, nullptr);
  EXPECT_TRUE(ZOR::application.window_list.empty());
}

}  // namespace
