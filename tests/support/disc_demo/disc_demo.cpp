// DiscDemo.exe, run by scripts/demo.sh: walks through the sample disc (build\sample_disc)
// as a user would, starting at the menu: set-up through the real Setup, the after-setup
// dialog, the game (the engine stand-in), the second page, and uninstall with the
// after-uninstall dialog; a screenshot of each step goes into the folder named by
// ZOR_DEMO_SHOTS. Each part of the disc's flow is one step function, so that the walk can
// start earlier (at the disc's first program) by adding steps in front.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/driver/driver.h"
#include "tests/support/demo/demo_shots.h"

namespace {

using demo::answer_box;
using demo::settle_and_shoot;

const wchar_t title[] = L"月影の庭";
const wchar_t reg_key[] = L"Software\\Lumora\\Tsukikage";

// The visible button of the menu with this text; null when there is none.
HWND menu_button(HWND menu, const std::wstring& text) {
  for (HWND child = GetWindow(menu, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child) && driver::text_of(child) == text) return child;
  }
  return nullptr;
}

void press(HWND menu, const std::wstring& text) {
  HWND button = menu_button(menu, text);
  ASSERT_TRUE(button) << "no button " << testing::PrintToString(text);
  ASSERT_TRUE(driver::click_window(button));
}

std::wstring documents() {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, path);
  return path;
}

// The setup data folder of the built sample disc.
std::wstring disc_folder() { return driver::binary_dir() + L"\\sample_disc\\SetupData"; }

// Starts Foyer on the disc and returns its menu.
HWND open_menu(driver::Cprocess& foyer) {
  EXPECT_TRUE(foyer.start(disc_folder() + L"\\Foyer.exe",
                          L"/dir=\"" + driver::doubled_backslashes(disc_folder()) + L"\""));
  return driver::wait_dialog(foyer.id(), title, 1002);
}

// Presses button of the menu; in the Setup that it starts presses start_item, answers the
// question with Yes and the closing message with OK (pictures named after step), and
// waits for Setup's end.
void through_setup(HWND menu, const wchar_t* button, int start_item, const std::string& step,
                   const std::wstring& question, const std::wstring& done) {
  press(menu, button);
  HWND dialog = driver::wait_dialog(0, title, start_item);
  ASSERT_TRUE(dialog);
  driver::Cprocess setup;
  setup.open(driver::window_process(dialog));
  settle_and_shoot(step + "-dialog");
  ASSERT_TRUE(driver::click(dialog, start_item));
  answer_box(setup.id(), question, IDYES, step + "-question");
  answer_box(setup.id(), done, IDOK, step + "-complete");
  driver::expect_exit_zero(setup);
}

// Set-up from the menu through Setup, then the after-setup dialog with its shortcut.
void set_up(driver::Cprocess& foyer, HWND menu) {
  through_setup(menu, L"セットアップ", 1010, "setup", L"セットアップを開始します。よろしいですか？",
                L"セットアップが完了しました。");
  HWND after = driver::wait_dialog(foyer.id(), title, 1004);
  ASSERT_TRUE(after);
  settle_and_shoot("after-setup");
  ASSERT_TRUE(driver::click(after, 1003));
  answer_box(foyer.id(), L"全ての処理が完了しました。", IDOK, "after-setup-done");
  ASSERT_TRUE(driver::wait_for([&] { return driver::is_visible(menu); }));
  settle_and_shoot("menu-installed");
}

// The second page and back.
void second_page(HWND menu) {
  press(menu, L"その他の設定");
  settle_and_shoot("menu-second-page");
  press(menu, L"戻る");
}

// The game in a window from the menu (the menu closes), left again; it has saved a file.
void play(driver::Cprocess& foyer, HWND menu) {
  press(menu, L"ゲームを起動（ウィンドウ）");
  driver::expect_exit_zero(foyer);
  HWND game = driver::wait_window(0, L"", L"lumora_engine_main_window_Lumora\\Tsukikage");
  ASSERT_TRUE(game);
  driver::Cprocess engine;
  engine.open(driver::window_process(game));
  settle_and_shoot("game");
  ASSERT_TRUE(driver::close_window(game));
  driver::expect_exit_zero(engine);
  const std::wstring save_data = documents() + L"\\Lumora\\Tsukikage\\SaveData";
  SHCreateDirectoryExW(nullptr, save_data.c_str(), nullptr);
  EXPECT_TRUE(driver::write_bytes(save_data + L"\\system.ini", "adapter=0\n"));
}

// Uninstall from the menu through Setup, then the after-uninstall dialog with the save data.
void uninstall(driver::Cprocess& foyer, HWND menu) {
  through_setup(menu, L"アンインストール", 1015, "uninstall",
                std::wstring(title) + L"をアンインストールします。よろしいですか？", L"アンインストールが完了しました。");
  HWND after = driver::wait_dialog(foyer.id(), title, 1006);
  ASSERT_TRUE(after);
  ASSERT_TRUE(driver::click(after, 1006));
  settle_and_shoot("after-uninstall");
  ASSERT_TRUE(driver::click(after, 1003));
  answer_box(foyer.id(), L"セーブフォルダを削除します。\n今までのゲームデータは失われます。本当によろしいですか？", IDYES,
             "save-data-question");
  answer_box(foyer.id(), L"全ての処理が完了しました。", IDOK, "after-uninstall-done");
  ASSERT_TRUE(driver::wait_for([&] { return driver::is_visible(menu); }));
  settle_and_shoot("menu-not-installed-again");
}

TEST(DiscDemo, TheMenuOfTheSampleDisc) {
  ASSERT_FALSE(demo::environment(L"ZOR_DEMO_SHOTS").empty()) << "ZOR_DEMO_SHOTS names the screenshot folder";
  ASSERT_FALSE(driver::key_exists(reg_key)) << "the sample game is installed already; uninstall it first";
  driver::Cprocess foyer;
  printf("Foyer on the sample disc:\n");
  HWND menu = open_menu(foyer);
  ASSERT_TRUE(menu);
  settle_and_shoot("menu");
  set_up(foyer, menu);
  second_page(menu);
  play(foyer, menu);
  menu = open_menu(foyer);
  ASSERT_TRUE(menu);
  uninstall(foyer, menu);
  ASSERT_TRUE(driver::close_window(menu));
  driver::expect_exit_zero(foyer);
  EXPECT_FALSE(driver::key_exists(reg_key)) << "the key is removed";
}

}  // namespace
