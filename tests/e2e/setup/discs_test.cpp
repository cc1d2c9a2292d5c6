// A game on two discs: the waiting window, the prompt for the second disc until its marker
// exists, Cancel then No asking again, and Cancel then Yes rolling the install back.
#include <gtest/gtest.h>

#include "tests/e2e/setup/setup_support.h"

namespace setup_test {
namespace {

using driver::Box_icon;

const wchar_t second_disc_prompt[] = L"星降る夜の物語 ディスク２を入れて下さい。";

// The waiting window of the disc change, with its text; the user cannot close it.
void expect_waiting_window(Csetup& setup) {
  HWND waiting = setup.wait_dialog(L"セットアップ", status_text);
  ASSERT_TRUE(waiting);
  EXPECT_EQ(driver::item_text(waiting, status_text), L"ディスクを読み込んでいます…。");
  EXPECT_FALSE(GetWindowLongPtrW(waiting, GWL_STYLE) & WS_SYSMENU) << "no close box";
  // Alt+F4 arrives as this system command; the window stays.
  DWORD_PTR result = 0;
  SendMessageTimeoutW(waiting, WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_NORMAL, driver::default_timeout_ms, &result);
  EXPECT_TRUE(IsWindow(waiting) && driver::is_visible(waiting));
}

HWND open_two_disc_setup(Csetup& setup, driver::Cfolder_browser_hook& hook, const Csample_disc& disc) {
  HWND dialog = setup.open_setup_dialog(disc, disc2_title);
  if (!dialog) return nullptr;
  // A two-disc setup takes #SETUP_SIZE (38141 bytes) and measures nothing.
  EXPECT_EQ(driver::item_text(dialog, full_size_text), L"100 MB の空き容量が必要です。");
  EXPECT_EQ(driver::item_text(dialog, min_size_text), L"100 MB の空き容量が必要です。");
  if (!choose_destination(hook, setup, dialog, disc.scratch(), disc.scratch() + L"\\" + disc.reg_path())) {
    return nullptr;
  }
  return start_install(setup, dialog, disc2_title) ? dialog : nullptr;
}

TEST(SetupDiscs, SecondDiscIsAskedForUntilItsMarkerExists) {
  Csample_disc disc(L"disc2");
  driver::Cfolder_browser_hook hook;
  Csetup setup;
  HWND dialog = open_two_disc_setup(setup, hook, disc);
  ASSERT_TRUE(dialog);
  const std::wstring install_dir = disc.scratch() + L"\\" + disc.reg_path();

  // Disc 1 is in the drive: its entries are copied, then disc 2 is asked for.
  ASSERT_TRUE(setup.expect_box(disc2_title, second_disc_prompt, Box_icon::information, IDOK));
  EXPECT_TRUE(exists(install_dir + L"\\readme.txt"));
  EXPECT_TRUE(exists(install_dir + L"\\data\\script\\prologue.txt"));
  EXPECT_FALSE(exists(install_dir + L"\\movie"));
  expect_waiting_window(setup);
  // Cancel, then No: the disc is asked for again.
  driver::Cmessage_box prompt = driver::wait_message_box(setup.id());
  EXPECT_EQ(prompt.text, second_disc_prompt);
  EXPECT_TRUE(prompt.has_button(IDCANCEL));
  ASSERT_TRUE(driver::answer_message_box(prompt, IDCANCEL));
  driver::Cmessage_box quit = driver::wait_message_box(setup.id());
  EXPECT_EQ(quit.text, L"セットアップを終了してよろしいですか？");
  EXPECT_EQ(quit.default_button, IDNO);
  EXPECT_STREQ(driver::icon_name(quit.icon), "information");
  ASSERT_TRUE(driver::answer_message_box(quit, IDNO));
  // The disc goes in: the next OK finds it.
  ASSERT_TRUE(write_bytes(disc.dir() + L"\\DISC2", ""));
  ASSERT_TRUE(setup.expect_box(disc2_title, second_disc_prompt, Box_icon::information, IDOK));
  ASSERT_TRUE(setup.expect_box(disc2_title, L"セットアップが完了しました。", Box_icon::information, IDOK));
  setup.expect_exit();

  std::set<std::wstring> expected = tree_of(disc.game_data());
  expected.insert(L"reg.ini");
  EXPECT_EQ(tree_of(install_dir), expected);
  EXPECT_EQ(read_bytes(install_dir + L"\\movie\\opening.mpg"), read_bytes(disc.game_data() + L"\\movie\\opening.mpg"));
  EXPECT_EQ(stored_value(disc.reg_key(), L"exe_dir").text, install_dir);
}

TEST(SetupDiscs, GivingUpOnTheSecondDiscRollsBack) {
  Csample_disc disc(L"disc2");
  driver::Cfolder_browser_hook hook;
  Csetup setup;
  HWND dialog = open_two_disc_setup(setup, hook, disc);
  ASSERT_TRUE(dialog);
  ASSERT_TRUE(setup.expect_box(disc2_title, second_disc_prompt, Box_icon::information, IDCANCEL));
  ASSERT_TRUE(setup.expect_box(disc2_title, L"セットアップを終了してよろしいですか？", Box_icon::information, IDYES));
  // Disc 1's copies, the created folders, reg.ini and the key are gone; the base stays.
  expect_rolled_back(setup, dialog, disc, disc2_title, disc.scratch());
}

}  // namespace
}  // namespace setup_test
