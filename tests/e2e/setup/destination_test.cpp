// The destination rules: the length limit, a cancelled browser, a drive too full and a
// destination that no longer exists. The folder browser is steered by the driver's hook.
#include <gtest/gtest.h>

#include "tests/e2e/setup/setup_support.h"

namespace setup_test {
namespace {

using driver::Box_icon;

const wchar_t too_full[] =
    L"ディスクの空き容量が足りません。\nセットアップ先を変更するか、不要なファイルを削除した後、再度セットアップを行って下さい。";

// A new folder below base whose full path has exactly length characters.
std::wstring folder_of_length(const std::wstring& base, std::size_t length) {
  std::wstring path = base;
  CreateDirectoryW(path.c_str(), nullptr);
  while (path.size() < length) {
    std::size_t room = length - path.size() - 1;  // one for the separator
    std::size_t name = room < 50 ? room : 50;
    // A remainder of one character would leave no room for a name after its separator.
    if (room - name == 1) name -= 1;
    path += L"\\" + std::wstring(name, L'd');
    CreateDirectoryW(path.c_str(), nullptr);
  }
  EXPECT_EQ(path.size(), length);
  EXPECT_TRUE(exists(path)) << testing::PrintToString(path);
  return path;
}

TEST(SetupDestination, LengthLimitAndCancelledBrowser) {
  Csample_disc disc;
  driver::Cfolder_browser_hook hook;
  Csetup setup;
  HWND dialog = setup.open_setup_dialog(disc, disc1_title);
  ASSERT_TRUE(dialog);
  const std::wstring opening = driver::item_text(dialog, destination_box);

  // Folder plus registry path: 201 characters are refused, 200 accepted.
  const std::size_t limit = 200 - disc.reg_path().size();
  std::wstring too_long = folder_of_length(disc.scratch() + L"\\long", limit + 1);
  ASSERT_TRUE(choose_destination(hook, setup, dialog, too_long));
  ASSERT_TRUE(setup.expect_box(disc1_title, L"セットアップ先のパスが長すぎます。\nパスは 200 文字以内で指定して下さい。",
                               Box_icon::warning, IDOK));
  EXPECT_EQ(driver::item_text(dialog, destination_box), opening);

  std::wstring longest = folder_of_length(disc.scratch() + L"\\fits", limit);
  ASSERT_TRUE(choose_destination(hook, setup, dialog, longest, longest + L"\\" + disc.reg_path()));

  // Cancelling the browser keeps the choice.
  ASSERT_TRUE(choose_destination(hook, setup, dialog, L""));
  EXPECT_EQ(driver::item_text(dialog, destination_box), longest + L"\\" + disc.reg_path());
  EXPECT_EQ(driver::find_message_box(setup.id()), nullptr);

  // The accepted destination installs.
  install_to_completion(setup, dialog, disc1_title);
  EXPECT_EQ(stored_value(disc.reg_key(), L"setup_dir").text, longest);
  EXPECT_TRUE(exists(longest + L"\\" + disc.reg_path() + L"\\reg.ini"));
}

TEST(SetupDestination, DestinationThatVanishedCountsAsTooFull) {
  Csample_disc disc;
  driver::Cfolder_browser_hook hook;
  Csetup setup;
  HWND dialog = setup.open_setup_dialog(disc, disc1_title);
  ASSERT_TRUE(dialog);
  std::wstring chosen = disc.scratch() + L"\\gone";
  ASSERT_TRUE(CreateDirectoryW(chosen.c_str(), nullptr));
  ASSERT_TRUE(choose_destination(hook, setup, dialog, chosen, chosen + L"\\" + disc.reg_path()));
  ASSERT_TRUE(RemoveDirectoryW(chosen.c_str()));
  // Its free space cannot be asked for: 0 bytes, so the space test refuses it first.
  ASSERT_TRUE(driver::click(dialog, start_button));
  ASSERT_TRUE(setup.expect_box(disc1_title, too_full, Box_icon::warning, IDOK));
  EXPECT_FALSE(exists(chosen));
  EXPECT_FALSE(key_exists(disc.reg_key()));
  ASSERT_TRUE(driver::click(dialog, close_button));
  setup.expect_exit();
}

TEST(SetupDestination, DriveTooFullIsRefused) {
  const std::wstring drive = small_drive();
  if (drive.empty()) GTEST_SKIP() << "no small drive: scripts/test.sh maps one only when it runs as root";
  Csample_disc disc;
  // The drive holds 120 MB; with 30 MB taken less than the 100 MB margin is left.
  const std::wstring filler = drive + L"\\filler.bin";
  struct Cremover {
    std::wstring path;
    ~Cremover() { DeleteFileW(path.c_str()); }
  } remover{filler};
  HANDLE file = CreateFileW(filler.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  std::string block(1 << 20, 'f');
  for (int i = 0; i < 30; ++i) {
    DWORD written = 0;
    WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr);
  }
  CloseHandle(file);
  ULARGE_INTEGER available = {};
  ASSERT_TRUE(GetDiskFreeSpaceExW((drive + L"\\").c_str(), &available, nullptr, nullptr));

  driver::Cfolder_browser_hook hook;
  Csetup setup;
  HWND dialog = setup.open_setup_dialog(disc, disc1_title);
  ASSERT_TRUE(dialog);
  ASSERT_TRUE(choose_destination(hook, setup, dialog, drive + L"\\", drive + L"\\" + disc.reg_path()));
  EXPECT_EQ(driver::item_text(dialog, free_space_text),
            std::to_wstring(available.QuadPart / 1024 / 1024) + L" MB の利用可能な空き容量があります。");
  ASSERT_TRUE(driver::click(dialog, start_button));
  ASSERT_TRUE(setup.expect_box(disc1_title, too_full, Box_icon::warning, IDOK));
  EXPECT_EQ(tree_of(drive + L"\\"), std::set<std::wstring>{L"filler.bin"});
  ASSERT_TRUE(driver::click(dialog, close_button));
  setup.expect_exit();
}

}  // namespace
}  // namespace setup_test
