// SetupDemo.exe, run by scripts/demo.sh: walks through an install and an uninstall of the
// two-disc sample with the real Setup.exe, as a user would, from the first disc's image in
// the CD-ROM drive (ZOR_DISC_DRIVE); when Setup asks for the second disc the script changes
// the disc in the drive (ZOR_DISC_CHANGE), and a picture of the screen at each dialog goes
// into the folder named by ZOR_DEMO_SHOTS (BMP; the script makes PNGs).
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
// Asks scripts/demo.sh for disc number in the drive, as a player changes discs: it writes the
// number into the folder ZOR_DISC_CHANGE and waits until the script, which unmounts the
// image and mounts the other one, answers with the file "done".
void change_disc(int number) {
  const std::wstring folder = environment(L"ZOR_DISC_CHANGE");
  ASSERT_FALSE(folder.empty()) << "ZOR_DISC_CHANGE names the folder of disc changes (scripts/demo.sh)";
  const std::wstring done = folder + L"\\done";
  DeleteFileW(done.c_str());
  ASSERT_TRUE(driver::write_bytes(folder + L"\\request.part", std::to_string(number)));
  ASSERT_TRUE(MoveFileExW((folder + L"\\request.part").c_str(), (folder + L"\\request").c_str(), MOVEFILE_REPLACE_EXISTING));
  const ULONGLONG deadline = GetTickCount64() + driver::default_timeout_ms;
  while (!driver::exists(done) && GetTickCount64() < deadline) Sleep(50);
  ASSERT_TRUE(driver::exists(done)) << "disc " << number << " was not put into the drive";
  printf("disc %d is in the drive\n", number);
}

TEST(SetupDemo, InstallAndUninstallTheSampleDisc) {
  ASSERT_FALSE(environment(L"ZOR_DEMO_SHOTS").empty()) << "ZOR_DEMO_SHOTS names the screenshot folder";
  const std::wstring drive = environment(L"ZOR_DISC_DRIVE");
  ASSERT_FALSE(drive.empty()) << "ZOR_DISC_DRIVE names the drive holding the first disc (scripts/demo.sh)";
  const std::wstring dir = drive + L"\\SetupData";
  // Setup runs from a copy, as Foyer starts it from the temporary folder: the disc in the
  // drive changes under it.
  driver::Ctemp_folder work;
  const std::wstring setup_program = work.path() + L"\\Setup.exe";
  ASSERT_TRUE(CopyFileW((dir + L"\\Setup.exe").c_str(), setup_program.c_str(), FALSE));
  const std::wstring games = L"C:\\Games";
  CreateDirectoryW(games.c_str(), nullptr);
  const std::wstring arguments = L"/dir=\"" + ZOR::escape_argument_value(dir) + L"\"";
  driver::Cfolder_browser_hook hook;

  printf("Setup, mode \"setup\":\n");
  driver::Cprocess setup;
  ASSERT_TRUE(setup.start(setup_program, L"/mode=\"setup\" " + arguments, work.path()));
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
    EXPECT_EQ(prompt.text, L"星降る夜の物語 ディスク２を入れて下さい。");
    settle_and_shoot("disc-prompt-and-waiting-window");
    change_disc(2);
    ASSERT_TRUE(driver::answer_message_box(prompt, IDOK));
  }
  HWND progress = driver::wait_dialog(setup.id(), L"セットアップ中", 1013);
  ASSERT_TRUE(progress);
  while (driver::item_text(progress, 1014) != L"film.mpg" && driver::window_process(progress) != 0) Sleep(5);
  settle_and_shoot("setup-progress");
  answer_box(setup.id(), L"セットアップが完了しました。", IDOK, "setup-complete");
  DWORD exit_code = 1;
  ASSERT_TRUE(setup.wait_exit(&exit_code));
  EXPECT_EQ(exit_code, 0u);

  printf("Setup, mode \"uninstall\", with the first disc back in the drive:\n");
  change_disc(1);
  driver::Cprocess uninstall;
  ASSERT_TRUE(uninstall.start(setup_program, L"/mode=\"uninstall\" " + arguments, work.path()));
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
