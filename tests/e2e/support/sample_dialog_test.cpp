// The driver against the sample dialog program: Japanese texts, control states, clicks,
// a message box answered both ways, closing, exit codes and teardown.
#include "tests/driver/driver.h"

#include <commctrl.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "tests/support/sample_dialog/resource.h"

namespace {

const wchar_t title[] = L"サンプルダイアログ";

// Starts the sample dialog and waits for its window.
HWND start_sample(driver::Cprocess& process, const std::wstring& arguments = L"") {
  if (!process.start(driver::program_path(L"SampleDialog.exe"), arguments)) return nullptr;
  return driver::wait_window(process.id(), title, L"#32770");
}

TEST(SampleDialog, ReadsJapaneseTextsAndControlStates) {
  driver::Cprocess process;
  HWND dialog = start_sample(process);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(driver::window_process(dialog), process.id());
  EXPECT_EQ(driver::text_of(dialog), title);
  EXPECT_EQ(driver::item_text(dialog, IDC_LABEL), L"日本語の表示テストです。");
  EXPECT_EQ(driver::item_text(dialog, IDC_EDIT), L"編集欄の文字");
  EXPECT_EQ(driver::item_text(dialog, IDC_CHECK), L"チェック項目");
  EXPECT_EQ(driver::item_text(dialog, IDC_RADIO_SECOND), L"選択肢その二");
  EXPECT_EQ(driver::item_text(dialog, IDC_MESSAGE), L"メッセージ表示");
  EXPECT_EQ(driver::item_text(dialog, IDOK), L"閉じる");
  EXPECT_EQ(driver::item_text(dialog, 4242), L"") << "an item the dialog lacks";
  EXPECT_EQ(driver::check_state(dialog, IDC_CHECK), BST_CHECKED);
  EXPECT_EQ(driver::check_state(dialog, IDC_RADIO_FIRST), BST_CHECKED);
  EXPECT_EQ(driver::check_state(dialog, IDC_RADIO_SECOND), BST_UNCHECKED);
  EXPECT_EQ(driver::check_state(dialog, 4242), -1);
  const driver::Cprogress progress = driver::progress_of(dialog, IDC_PROGRESS);
  EXPECT_EQ(progress.position, 30);
  EXPECT_EQ(progress.low, 0);
  EXPECT_EQ(progress.high, 100);
  EXPECT_TRUE(driver::is_enabled(driver::item(dialog, IDC_ADVANCE)));
  EXPECT_TRUE(driver::is_visible(driver::item(dialog, IDC_ADVANCE)));
  EXPECT_FALSE(driver::is_visible(driver::item(dialog, 4242)));
  EXPECT_EQ(driver::class_name_of(driver::item(dialog, IDC_PROGRESS)), PROGRESS_CLASSW);
}

TEST(SampleDialog, CommandLineArrivesInJapanese) {
  driver::Cprocess process;
  HWND dialog = start_sample(process, L"/dir=\"C:\\ゲーム データ\"");
  ASSERT_TRUE(dialog);
  EXPECT_EQ(driver::item_text(dialog, IDC_EDIT), L"/dir=\"C:\\ゲーム データ\"");
}

TEST(SampleDialog, ClicksAndTypingChangeTheControlsAtOnce) {
  driver::Cprocess process;
  HWND dialog = start_sample(process);
  ASSERT_TRUE(dialog);
  // click returns once the handler has run, so the new state reads back right away.
  ASSERT_TRUE(driver::click(dialog, IDC_CHECK));
  EXPECT_EQ(driver::check_state(dialog, IDC_CHECK), BST_UNCHECKED);
  ASSERT_TRUE(driver::click(dialog, IDC_RADIO_SECOND));
  EXPECT_FALSE(driver::is_checked(dialog, IDC_RADIO_FIRST));
  EXPECT_TRUE(driver::is_checked(dialog, IDC_RADIO_SECOND));
  for (int expected : {40, 50, 60, 70, 80, 90, 100, 0}) {
    ASSERT_TRUE(driver::click(dialog, IDC_ADVANCE));
    EXPECT_EQ(driver::progress_of(dialog, IDC_PROGRESS).position, expected);
  }
  ASSERT_TRUE(driver::set_item_text(dialog, IDC_EDIT, L"新しい文字列"));
  EXPECT_EQ(driver::item_text(dialog, IDC_EDIT), L"新しい文字列");
  EXPECT_NONFATAL_FAILURE(driver::click(dialog, 4242), "no such item");
}

TEST(SampleDialog, MessageBoxIsReadAndAnsweredBothWays) {
  driver::Cprocess process;
  HWND dialog = start_sample(process);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(driver::item_text(dialog, IDC_RESULT), L"未回答");
  const struct {
    int answer;
    const wchar_t* result;
  } rows[] = {{IDNO, L"いいえ"}, {IDYES, L"はい"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "answer " << row.answer);
    // The handler stays inside MessageBoxW until the box is answered; click must not wait
    // for it.
    ASSERT_TRUE(driver::click(dialog, IDC_MESSAGE));
    const driver::Cmessage_box box = driver::wait_message_box(process.id());
    ASSERT_TRUE(box.window);
    EXPECT_EQ(box.caption, L"サンプル");
    EXPECT_EQ(box.text, L"確認のメッセージです。\nよろしいですか？");
    EXPECT_EQ(box.buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(box.default_button, IDYES);
    EXPECT_STREQ(driver::icon_name(box.icon), "question");
    EXPECT_EQ(GetWindow(box.window, GW_OWNER), dialog) << "owned by the main window";
    // While the box is open its owner takes no clicks, as for a user.
    EXPECT_NONFATAL_FAILURE(driver::click(dialog, IDC_ADVANCE), "window is disabled");
    ASSERT_TRUE(driver::answer_message_box(box, row.answer));
    EXPECT_FALSE(driver::find_message_box(process.id()));
    // The answer shows once the handler has resumed after MessageBoxW.
    const ULONGLONG deadline = GetTickCount64() + driver::default_timeout_ms;
    while (driver::item_text(dialog, IDC_RESULT) != row.result && GetTickCount64() < deadline) {
      Sleep(10);
    }
    EXPECT_EQ(driver::item_text(dialog, IDC_RESULT), row.result);
  }
}

TEST(SampleDialog, ClosingEndsTheProgramWithExitCodeZero) {
  const struct {
    const char* how;
    bool by_close;
  } rows[] = {{"WM_CLOSE", true}, {"the default button", false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.how);
    driver::Cprocess process;
    HWND dialog = start_sample(process);
    ASSERT_TRUE(dialog);
    if (row.by_close) {
      ASSERT_TRUE(driver::close_window(dialog));
    } else {
      ASSERT_TRUE(driver::click(dialog, IDOK));
    }
    DWORD exit_code = 99;
    ASSERT_TRUE(process.wait_exit(&exit_code));
    EXPECT_EQ(exit_code, 0u);
    EXPECT_FALSE(process.running());
    EXPECT_FALSE(IsWindow(dialog));
  }
}

TEST(SampleDialog, OwnerTerminatesAProgramStillRunning) {
  HANDLE watcher = nullptr;
  HWND dialog = nullptr;
  {
    driver::Cprocess process;
    dialog = start_sample(process);
    ASSERT_TRUE(dialog);
    watcher = OpenProcess(SYNCHRONIZE, FALSE, process.id());
    ASSERT_TRUE(watcher);
    EXPECT_TRUE(process.running());
  }
  EXPECT_EQ(WaitForSingleObject(watcher, 0), WAIT_OBJECT_0);
  CloseHandle(watcher);
  EXPECT_TRUE(driver::wait_window_gone(dialog));
}

TEST(SampleDialog, WaitsThatRunOutReportTheWindowsOfTheProcess) {
  driver::Cprocess process;
  ASSERT_TRUE(start_sample(process));
  EXPECT_NONFATAL_FAILURE(driver::wait_window(process.id(), L"ない窓", L"", 100), "#32770");
  EXPECT_NONFATAL_FAILURE(driver::wait_message_box(process.id(), 100), "no message box");
  EXPECT_NONFATAL_FAILURE(process.wait_exit(nullptr, 100), "did not end");
}

}  // namespace
