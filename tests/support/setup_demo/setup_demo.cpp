// SetupDemo.exe, run by scripts/demo.sh: walks through an install and an uninstall of the
// sample disc with the real Setup.exe, as a user would, and saves a picture of the screen
// at each dialog into the folder named by ZOR_DEMO_SHOTS (BMP; the script makes PNGs).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "lib/cmdline/command_line.h"
#include "tests/driver/driver.h"
#include "tests/support/demo/demo_shots.h"

namespace {

using demo::answer_box;
using demo::environment;
using demo::settle_and_shoot;
using demo::shoot;
using driver::Box_icon;

const wchar_t title[] = L"星降る夜の物語 完全版";
const wchar_t reg_key[] = L"Software\\Lumora\\Hoshifuru2";
// The two-disc sample, grown so that the dialogs stay long enough on screen to be seen:
// a 1 GB film (zeros, no room taken on the disc) and a voice folder of 3000 small files.
std::wstring prepare_disc(const std::wstring& folder) {
  std::wstring dir = folder + L"\\SetupData";
  driver::copy_folder_tree(driver::source_path(L"tests\\data\\disc2\\SetupData"), dir);
  std::wstring game = dir + L"\\GameData";
  EXPECT_TRUE(driver::make_sized_file(game + L"\\movie\\film.mpg", 1LL << 30));
  CreateDirectoryW((game + L"\\voice").c_str(), nullptr);
  for (int i = 0; i < 3000; ++i) {
    EXPECT_TRUE(driver::write_bytes(game + L"\\voice\\v" + std::to_wstring(i) + L".ogg", std::string(1024, 'v')));
  }
  std::string ini = driver::read_bytes(dir + L"\\Setup.ini");
  std::string old_size = "#SETUP_SIZE = 38141";
  ini.replace(ini.find(old_size), old_size.size(), "#SETUP_SIZE = " + std::to_string((1LL << 30) + 38141 + 3000 * 1024));
  ini += "#SETUP_FILE = \"voice\", 1\n";
  EXPECT_TRUE(driver::write_bytes(dir + L"\\Setup.ini", ini));
  return dir;
}

TEST(SetupDemo, InstallAndUninstallTheSampleDisc) {
  ASSERT_FALSE(environment(L"ZOR_DEMO_SHOTS").empty()) << "ZOR_DEMO_SHOTS names the screenshot folder";
  driver::Ctemp_folder work;
  const std::wstring dir = prepare_disc(work.path());
  const std::wstring games = L"C:\\Games";
  CreateDirectoryW(games.c_str(), nullptr);
  const std::wstring arguments = L"/dir=\"" + ZOR::escape_argument_value(dir) + L"\"";
  driver::Cfolder_browser_hook hook;

  printf("Setup, mode \"setup\":\n");
  driver::Cprocess setup;
  ASSERT_TRUE(setup.start(driver::program_path(L"Setup.exe"), L"/mode=\"setup\" " + arguments));
  HWND dialog = driver::wait_dialog(setup.id(), title, 1010);
  ASSERT_TRUE(dialog);
  settle_and_shoot("setup-dialog");
  HWND browser = hook.open_with_selection(setup.id(), dialog, 1002, L"セットアップ先の選択", games);
  ASSERT_TRUE(browser);
  settle_and_shoot("folder-browser");
  ASSERT_TRUE(driver::click(browser, IDOK));
  ASSERT_TRUE(driver::wait_window_gone(browser));
  const std::wstring install_dir = games + L"\\Lumora\\Hoshifuru2";
  const ULONGLONG deadline = GetTickCount64() + driver::default_timeout_ms;
  while (driver::item_text(dialog, 1001) != install_dir && GetTickCount64() < deadline) Sleep(20);
  settle_and_shoot("setup-dialog-destination");
  ASSERT_TRUE(driver::click(dialog, 1010));
  answer_box(setup.id(), L"セットアップを開始します。よろしいですか？", IDYES, "start-question");
  // Disc 1 (readme, data, voice) is copied; then disc 2, with the film, is asked for.
  {
    // The waiting window lies centred under the progress dialog and the prompt: the picture
    // shows it moved up, out of their way.
    driver::Cmessage_box prompt = driver::wait_message_box(setup.id());
    ASSERT_TRUE(prompt.window);
    HWND waiting = driver::wait_dialog(setup.id(), L"セットアップ", 1014);
    RECT area = {};
    GetWindowRect(waiting, &area);
    SetWindowPos(waiting, HWND_TOP, area.left, area.top - 330, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(driver::item_text(waiting, 1014), L"ディスクを読み込んでいます…。");
    settle_and_shoot("disc-prompt-and-waiting-window");
    ASSERT_TRUE(driver::answer_message_box(prompt, IDOK));
  }
  ASSERT_TRUE(driver::write_bytes(dir + L"\\DISC2", ""));
  answer_box(setup.id(), L"星降る夜の物語 ディスク２を入れて下さい。", IDOK, "");
  HWND progress = driver::wait_dialog(setup.id(), L"セットアップ中", 1013);
  ASSERT_TRUE(progress);
  while (driver::item_text(progress, 1014) != L"film.mpg" && driver::window_process(progress) != 0) Sleep(5);
  settle_and_shoot("setup-progress");
  answer_box(setup.id(), L"セットアップが完了しました。", IDOK, "setup-complete");
  DWORD exit_code = 1;
  ASSERT_TRUE(setup.wait_exit(&exit_code));
  EXPECT_EQ(exit_code, 0u);

  printf("Setup, mode \"uninstall\":\n");
  driver::Cprocess uninstall;
  ASSERT_TRUE(uninstall.start(driver::program_path(L"Setup.exe"), L"/mode=\"uninstall\" " + arguments));
  HWND uninstall_dialog = driver::wait_dialog(uninstall.id(), title, 1015);
  ASSERT_TRUE(uninstall_dialog);
  settle_and_shoot("uninstall-dialog");
  ASSERT_TRUE(driver::click(uninstall_dialog, 1015));
  answer_box(uninstall.id(), std::wstring(title) + L"をアンインストールします。よろしいですか？", IDYES,
             "uninstall-question");
  // The removal of 3000 voice files keeps the progress dialog up for a moment.
  HWND removal = driver::wait_dialog(uninstall.id(), L"アンインストール中", 1014);
  if (removal) shoot("uninstall-progress");
  answer_box(uninstall.id(), L"アンインストールが完了しました。", IDOK, "uninstall-complete");
  ASSERT_TRUE(uninstall.wait_exit(&exit_code));
  EXPECT_EQ(exit_code, 0u);
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, reg_key, 0, KEY_READ, &key), ERROR_SUCCESS) << "the key is removed";
  EXPECT_EQ(GetFileAttributesW(install_dir.c_str()), INVALID_FILE_ATTRIBUTES) << "the game folder is removed";
}

}  // namespace
