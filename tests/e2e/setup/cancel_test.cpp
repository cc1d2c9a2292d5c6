// Cancelling an install in the middle of a large file: No goes on, Yes rolls everything back
// and the setup dialog works again; no handle is left behind by a cancelled install.
#include <gtest/gtest.h>

#include "tests/e2e/setup/setup_support.h"

namespace setup_test {
namespace {

using driver::Box_icon;

// Two gigabytes that read as zeros and take no room on the disc (the copy stops early).
constexpr std::int64_t large_size = 2LL << 30;

// A disc whose first entry is big.bin, a large file.
void add_large_file(const Csample_disc& disc) {
  std::vector<std::wstring> lines = disc.ini_lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].compare(0, 11, L"#SETUP_FILE") == 0) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), L"#SETUP_FILE = \"big.bin\"");
      break;
    }
  }
  disc.write_ini(lines);
  ASSERT_TRUE(make_sized_file(disc.game_data() + L"\\big.bin", large_size));
}

// Starts the install and waits until big.bin is being copied; returns the progress dialog.
HWND install_until_large_file(Csetup& setup, HWND dialog) {
  HWND progress = begin_install(setup, dialog, disc1_title);
  if (progress && wait_item_text(progress, status_text, L"big.bin")) return progress;
  return nullptr;
}

// The cancel button's question; answered with answer.
void cancel_and_answer(Csetup& setup, HWND progress, int answer) {
  ASSERT_TRUE(driver::post_click(progress, cancel_button));
  driver::Cmessage_box question = driver::wait_message_box(setup.id());
  ASSERT_TRUE(question.window);
  EXPECT_EQ(question.caption, disc1_title);
  EXPECT_EQ(question.text, L"セットアップを中止します。よろしいですか？");
  EXPECT_STREQ(driver::icon_name(question.icon), "warning");
  EXPECT_EQ(question.default_button, IDNO);
  ASSERT_TRUE(driver::answer_message_box(question, answer));
}

DWORD handle_count(const Csetup& setup) {
  DWORD count = 0;
  EXPECT_TRUE(GetProcessHandleCount(setup.process.handle(), &count));
  return count;
}

TEST(SetupCancel, CancelDuringALargeFileRollsBackAndSetupWorksAgain) {
  Csample_disc disc;
  add_large_file(disc);
  driver::Cfolder_browser_hook hook;
  Csetup setup;
  HWND dialog = setup.open_setup_dialog(disc, disc1_title);
  ASSERT_TRUE(dialog);
  const std::wstring install_dir = disc.scratch() + L"\\" + disc.reg_path();
  ASSERT_TRUE(choose_destination(hook, setup, dialog, disc.scratch(), install_dir));

  DWORD handles_before = 0;
  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE(testing::Message() << "cancelled install " << round);
    HWND progress = install_until_large_file(setup, dialog);
    ASSERT_TRUE(progress);
    EXPECT_FALSE(driver::is_enabled(dialog)) << "the setup dialog is disabled during the install";
    // No: the copy goes on from where it was.
    cancel_and_answer(setup, progress, IDNO);
    // The bars are refreshed at most about 30 times a second: the range may come a moment
    // after the file's name.
    const int chunks = static_cast<int>(large_size / 10240);
    ASSERT_TRUE(wait_for([&] { return driver::progress_of(progress, file_bar).high == chunks; }));
    driver::Cprogress before = driver::progress_of(progress, file_bar);
    ASSERT_TRUE(wait_for([&] { return driver::progress_of(progress, file_bar).position > before.position; }));
    // Yes: the progress dialog goes, everything installed goes, the dialog comes back.
    cancel_and_answer(setup, progress, IDYES);
    ASSERT_TRUE(driver::wait_window_gone(progress));
    driver::Cmessage_box stopped = driver::wait_message_box(setup.id());
    EXPECT_EQ(stopped.text, L"セットアップを中止しました。");
    EXPECT_STREQ(driver::icon_name(stopped.icon), "warning");
    EXPECT_TRUE(tree_of(disc.scratch()).empty()) << testing::PrintToString(tree_of(disc.scratch()));
    EXPECT_FALSE(key_exists(disc.reg_key()));
    ASSERT_TRUE(driver::answer_message_box(stopped, IDOK));
    ASSERT_TRUE(wait_for([&] { return driver::is_enabled(dialog); }));
    if (round == 1) {
      handles_before = handle_count(setup);
    } else {
      // Files, keys and dialogs of a cancelled install are all closed again.
      EXPECT_LE(handle_count(setup), handles_before + 2);
    }
  }

  // The next start installs completely (the large file has become small meanwhile).
  ASSERT_TRUE(make_sized_file(disc.game_data() + L"\\big.bin", 25000));
  install_to_completion(setup, dialog, disc1_title);
  std::set<std::wstring> expected = tree_of(disc.game_data());
  expected.insert(L"reg.ini");
  EXPECT_EQ(tree_of(install_dir), expected);
  EXPECT_EQ(stored_value(disc.reg_key(), L"dat_setup").text, L"full");
}

TEST(SetupCancel, CloseBoxOfTheProgressDialogAsksTheSameQuestion) {
  Csample_disc disc;
  add_large_file(disc);
  driver::Cfolder_browser_hook hook;
  Csetup setup;
  HWND dialog = setup.open_setup_dialog(disc, disc1_title);
  ASSERT_TRUE(dialog);
  ASSERT_TRUE(choose_destination(hook, setup, dialog, disc.scratch(), disc.scratch() + L"\\" + disc.reg_path()));
  HWND progress = install_until_large_file(setup, dialog);
  ASSERT_TRUE(progress);
  ASSERT_TRUE(PostMessageW(progress, WM_SYSCOMMAND, SC_CLOSE, 0));
  ASSERT_TRUE(setup.expect_box(disc1_title, L"セットアップを中止します。よろしいですか？", Box_icon::warning, IDYES));
  expect_rolled_back(setup, dialog, disc, disc1_title, disc.scratch());
}

}  // namespace
}  // namespace setup_test
