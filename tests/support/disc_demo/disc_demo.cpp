// DiscDemo.exe, run by scripts/demo.sh: plays the sample disc as a player would, from the
// disc's first program: Autorun from the CD-ROM drive that the script maps (ZOR_DISC_DRIVE;
// without it the disc folder build\sample_disc), the menu from the temporary copy, set-up
// through the real Setup, the after-setup dialog, the game (the engine stand-in), the disc
// again, the second page with Config and Chronicle following the engine (when the disc has
// them), and uninstall with the after-uninstall dialog; a screenshot of each step goes into
// the folder named by ZOR_DEMO_SHOTS. Each part of the disc's flow is one step function.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/driver/driver.h"
#include "tests/support/demo/demo_shots.h"

namespace {

using demo::answer_box;
using demo::settle_and_shoot;

const wchar_t title[] = L"月影の庭";
const std::wstring reg_path = L"Lumora\\Tsukikage";
const std::wstring reg_key = L"Software\\" + reg_path;

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

std::wstring special_folder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, 0, path);
  return path;
}

// The disc's root: the drive that scripts/demo.sh maps, else the built disc folder.
std::wstring disc_root() {
  const std::wstring drive = demo::environment(L"ZOR_DISC_DRIVE");
  return drive.empty() ? driver::binary_dir() + L"\\sample_disc" : drive;
}

// The disc goes in: its Autorun copies Foyer and Setup into the temporary folder, starts
// that Foyer and ends; returns Foyer's menu, with Foyer's process owned.
HWND insert_disc(driver::Cprocess& foyer) {
  driver::Cprocess autorun;
  EXPECT_TRUE(autorun.start(disc_root() + L"\\Autorun.exe", L"", disc_root() + L"\\"));
  driver::expect_exit_zero(autorun);
  HWND menu = driver::wait_dialog(0, title, 1002);
  if (menu != nullptr) {
    EXPECT_TRUE(foyer.open(driver::window_process(menu)));
  }
  return menu;
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

// A support tool of the second page, when the disc has it: opened from the menu, its
// window shown (with look, when given, done first), closed again.
void support_tool(HWND menu, const std::wstring& program, const std::wstring& button, const std::wstring& window_title,
                  const std::string& step, const std::function<void(HWND)>& look = nullptr) {
  if (!driver::exists(disc_root() + L"\\SetupData\\" + program)) {
    printf("  (no %s on the disc)\n", step.c_str());
    return;
  }
  press(menu, button);
  HWND window = driver::wait_window(0, window_title);
  ASSERT_TRUE(window);
  driver::Cprocess tool;
  tool.open(driver::window_process(window));
  if (look) look(window);
  settle_and_shoot(step);
  ASSERT_TRUE(driver::close_window(window));
  driver::expect_exit_zero(tool);
}

// Config's help text for the setting under the cursor (hardware vertex processing).
void hover_hardware_vertex(HWND config) {
  RECT area = {};
  GetWindowRect(driver::item(config, 1008), &area);
  ASSERT_TRUE(driver::place_cursor((area.left + area.right) / 2, (area.top + area.bottom) / 2));
  EXPECT_TRUE(driver::wait_item_text(config, 1006,
                                     L"頂点処理をハードウェアで行います。処理が高速になります。画面が崩れる場合、"
                                     L"チェックを外してみて下さい。\nデフォルト：オン"));
}

// The stand-in's record of its starts is no file of the game: uninstall would leave it.
void forget_engine_starts() {
  EXPECT_TRUE(DeleteFileW((special_folder(CSIDL_PROGRAM_FILES) + L"\\" + reg_path + L"\\engine_starts.txt").c_str()));
}

// Chronicle following the installed engine: "実行" starts it in log mode, and the stand-in's
// lines (20 by default) reach the list.
void follow_engine_log(HWND chronicle) {
  ASSERT_TRUE(driver::post_click(chronicle, 1007));
  HWND list = driver::item(chronicle, 1006);
  EXPECT_TRUE(driver::wait_for([list] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) >= 20; }));
}

// The engine that Chronicle started, closed again; its record of starts goes, as after the game.
void close_logging_engine() {
  HWND game = driver::wait_window(0, L"", L"lumora_engine_main_window_" + reg_path);
  ASSERT_TRUE(game);
  driver::Cprocess engine;
  engine.open(driver::window_process(game));
  ASSERT_TRUE(driver::close_window(game));
  driver::expect_exit_zero(engine);
  forget_engine_starts();
}

// The second page with Config and Chronicle, and back.
void second_page(HWND menu) {
  press(menu, L"その他の設定");
  settle_and_shoot("menu-second-page");
  support_tool(menu, L"Config.exe", L"環境設定を開く （サポート用）", L"環境設定 （サポート用のツールです）", "config-help",
               hover_hardware_vertex);
  driver::place_cursor(0, 0);
  support_tool(menu, L"Chronicle.exe", L"Chronicle を開く （サポート用）", L"LumoraEngine のログ（動作状況）を表示します",
               "chronicle", follow_engine_log);
  if (driver::exists(disc_root() + L"\\SetupData\\Chronicle.exe")) close_logging_engine();
  press(menu, L"戻る");
}

// The game in a window from the menu (the menu closes), left again; it has saved a file.
void play(driver::Cprocess& foyer, HWND menu) {
  press(menu, L"ゲームを起動（ウィンドウ）");
  driver::expect_exit_zero(foyer);
  HWND game = driver::wait_window(0, L"", L"lumora_engine_main_window_" + reg_path);
  ASSERT_TRUE(game);
  driver::Cprocess engine;
  engine.open(driver::window_process(game));
  settle_and_shoot("game");
  ASSERT_TRUE(driver::close_window(game));
  driver::expect_exit_zero(engine);
  forget_engine_starts();
  const std::wstring save_data = special_folder(CSIDL_PERSONAL) + L"\\" + reg_path + L"\\SaveData";
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

TEST(DiscDemo, TheSampleDiscFromAutorunToUninstall) {
  ASSERT_FALSE(demo::environment(L"ZOR_DEMO_SHOTS").empty()) << "ZOR_DEMO_SHOTS names the screenshot folder";
  ASSERT_FALSE(driver::key_exists(reg_key)) << "the sample game is installed already; uninstall it first";
  driver::Cprocess foyer;
  printf("The sample disc in %ls:\n", disc_root().c_str());
  HWND menu = insert_disc(foyer);
  ASSERT_TRUE(menu);
  settle_and_shoot("menu-from-autorun");
  set_up(foyer, menu);
  play(foyer, menu);
  menu = insert_disc(foyer);
  ASSERT_TRUE(menu);
  settle_and_shoot("menu-again");
  second_page(menu);
  uninstall(foyer, menu);
  ASSERT_TRUE(driver::close_window(menu));
  driver::expect_exit_zero(foyer);
  EXPECT_FALSE(driver::key_exists(reg_key)) << "the key is removed";
  EXPECT_FALSE(driver::exists(special_folder(CSIDL_PROGRAM_FILES) + L"\\" + reg_path)) << "the game folder is removed";
}

}  // namespace
