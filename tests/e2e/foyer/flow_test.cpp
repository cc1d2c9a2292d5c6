// The whole flow from the menu: set-up through the real Setup with the after-setup dialog
// and its desktop shortcut, the game started, uninstall with the after-uninstall dialog
// removing the shortcut and the save data, and a cancelled Setup without after-dialog.
#include <shlobj.h>

#include <gtest/gtest.h>

#include "tests/e2e/foyer/foyer_support.h"

namespace foyer_test {
namespace {

using driver::Box_icon;
using Layout = std::vector<std::wstring>;

// Items of Setup's and Foyer's dialogs that the flow presses.
enum Item {
  setup_destination = 1001, setup_cancel = 1011, setup_start = 1010, uninstall_start = 1015,
  next_button = 1003, create_shortcut_box = 1004, delete_shortcut_box = 1005, delete_save_data_box = 1006,
};

const Layout not_installed = {L"セットアップ@8",     L"DirectX のｾｯﾄｱｯﾌﾟ@56", L"マニュアルを開く@104",
                              L"その他の設定@152", L"おまけ@200",              L"終了@368"};
const Layout installed = {L"ゲームを起動（ウィンドウ）@8", L"ゲームを起動（フルスクリーン）@56",
                          L"DirectX のｾｯﾄｱｯﾌﾟ@104",      L"アンインストール@152",
                          L"マニュアルを開く@200",        L"その他の設定@248",
                          L"おまけ@296",                  L"終了@368"};

const Layout second_page_installed = {L"修復セットアップ （サポート用）@8", L"環境設定を開く （サポート用）@56",
                                      L"Chronicle を開く （サポート用）@104", L"セーブフォルダを開く@152(disabled)",
                                      L"ショートカットを作成@200", L"戻る@368"};

// The Setup that Foyer started: its dialog with item item_id, and the process taken over
// so that a failing test does not leave it behind.
HWND setup_dialog(driver::Cprocess& setup, int item_id) {
  HWND dialog = driver::wait_dialog(0, title, item_id);
  if (dialog) setup.open(driver::window_process(dialog));
  return dialog;
}

// Presses button of the menu and, in the Setup it starts (the menu hidden meanwhile),
// start_item; Yes to the question, OK to the closing message. The Setup dialog shows
// destination when that is not empty.
void run_setup_from_menu(HWND menu, const wchar_t* button, int start_item, const std::wstring& question,
                         const std::wstring& done, const std::wstring& destination = L"") {
  ASSERT_TRUE(Cfoyer::press(menu, button));
  driver::Cprocess setup;
  HWND dialog = setup_dialog(setup, start_item);
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(driver::is_visible(menu));
  if (!destination.empty()) {
    EXPECT_EQ(driver::item_text(dialog, setup_destination), destination);
  }
  ASSERT_TRUE(driver::click(dialog, start_item));
  ASSERT_TRUE(driver::expect_message_box(setup.id(), title, question, Box_icon::information, IDYES));
  ASSERT_TRUE(driver::expect_message_box(setup.id(), title, done, Box_icon::information, IDOK));
  driver::expect_exit_zero(setup);
}

// Presses button of the menu and closes the Setup it starts (its dialog with start_item)
// with its cancel button; waits for Setup's end.
void cancel_setup_from_menu(HWND menu, const wchar_t* button, int start_item) {
  ASSERT_TRUE(Cfoyer::press(menu, button));
  driver::Cprocess setup;
  HWND dialog = setup_dialog(setup, start_item);
  ASSERT_TRUE(dialog);
  ASSERT_TRUE(driver::click(dialog, setup_cancel));
  driver::expect_exit_zero(setup);
}

// Closes the after-dialog with its close box: Escape does nothing, No keeps it, Yes ends it
// without its work.
void close_after_dialog(Cfoyer& foyer, HWND after, const std::wstring& question) {
  PostMessageW(driver::item(after, next_button), WM_KEYDOWN, VK_ESCAPE, 0);
  Sleep(300);
  EXPECT_TRUE(driver::is_visible(after));
  EXPECT_EQ(driver::find_message_box(foyer.id()), nullptr);
  ASSERT_TRUE(driver::close_window(after));
  ASSERT_TRUE(foyer.expect_box(title, question, Box_icon::none, IDNO));
  EXPECT_TRUE(driver::is_visible(after));
  ASSERT_TRUE(driver::close_window(after));
  ASSERT_TRUE(foyer.expect_box(title, question, Box_icon::none, IDYES));
  ASSERT_TRUE(foyer.expect_box(title, L"全ての処理が完了しました。", Box_icon::information, IDOK));
}

TEST(FoyerFlow, SetUpPlayAndUninstallFromTheMenu) {
  Cfoyer_disc disc(L"\\Game");
  const std::wstring engine = disc.install_dir() + L"\\LumoraEngine.exe";
  Cfoyer foyer;
  HWND menu = foyer.open_menu(disc);
  ASSERT_TRUE(menu);
  ASSERT_TRUE(Cfoyer::wait_layout(menu, not_installed));

  // Set-up: the menu hides while the Setup beside Foyer runs on the disc of /dir.
  run_setup_from_menu(menu, L"セットアップ", setup_start, L"セットアップを開始します。よろしいですか？",
                      L"セットアップが完了しました。", disc.install_dir());

  // After setup: the shortcut box starts ticked; "次へ >>" creates the shortcut.
  HWND after = driver::wait_dialog(foyer.id(), title, create_shortcut_box);
  ASSERT_TRUE(after);
  EXPECT_EQ(driver::item_text(after, create_shortcut_box), L"デスクトップにショートカットを作成する");
  EXPECT_TRUE(driver::is_checked(after, create_shortcut_box));
  EXPECT_FALSE(driver::is_visible(menu));
  ASSERT_TRUE(driver::click(after, next_button));
  ASSERT_TRUE(foyer.expect_box(title, L"全ての処理が完了しました。", Box_icon::information, IDOK));
  EXPECT_TRUE(driver::exists(desktop_shortcut()));
  EXPECT_EQ(shortcut_target(desktop_shortcut()), engine);
  ASSERT_TRUE(wait_for([&] { return driver::is_visible(menu); }));
  EXPECT_TRUE(Cfoyer::wait_layout(menu, installed));

  // The game in a window: the engine gets "/window" and the menu ends.
  ASSERT_TRUE(Cfoyer::press(menu, L"ゲームを起動（ウィンドウ）"));
  foyer.expect_exit();
  ASSERT_TRUE(driver::wait_for_lines(disc.install_dir() + L"\\engine_starts.txt", 1));
  const std::vector<std::wstring> starts = driver::read_engine_starts(engine);
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_NE(starts[0].find(L"/window"), std::wstring::npos) << testing::PrintToString(starts[0]);
  HWND game = driver::wait_window(0, L"", L"lumora_engine_main_window_" + disc.game_reg_path());
  ASSERT_TRUE(game);
  driver::Cprocess engine_process;
  engine_process.open(driver::window_process(game));
  // Beside the running game the menu does not open.
  ASSERT_TRUE(foyer.start(disc));
  foyer.expect_exit();
  ASSERT_TRUE(driver::close_window(game));
  driver::expect_exit_zero(engine_process);

  // Save data of the game, and a file of another kind in the folder above it.
  const std::wstring save_data = disc.save_dir() + L"\\SaveData";
  const std::wstring parent = documents_folder() + L"\\" + disc.reg_path();
  ASSERT_EQ(SHCreateDirectoryExW(nullptr, save_data.c_str(), nullptr), ERROR_SUCCESS);
  ASSERT_TRUE(driver::write_bytes(parent + L"\\keep.txt", "x"));
  ASSERT_TRUE(driver::write_bytes(save_data + L"\\system.ini", "adapter=0\n"));

  // Uninstall: the after-uninstall dialog deletes the shortcut; the ticked save-data box
  // asks and then removes the save data and the folders it leaves empty.
  menu = foyer.open_menu(disc);
  ASSERT_TRUE(menu);
  run_setup_from_menu(menu, L"アンインストール", uninstall_start,
                      std::wstring(title) + L"をアンインストールします。よろしいですか？", L"アンインストールが完了しました。",
                      disc.install_dir());
  after = driver::wait_dialog(foyer.id(), title, delete_save_data_box);
  ASSERT_TRUE(after);
  EXPECT_TRUE(driver::is_checked(after, delete_shortcut_box));
  EXPECT_FALSE(driver::is_checked(after, delete_save_data_box));
  ASSERT_TRUE(driver::click(after, delete_save_data_box));
  ASSERT_TRUE(driver::click(after, next_button));
  ASSERT_TRUE(foyer.expect_box(title, L"セーブフォルダを削除します。\n今までのゲームデータは失われます。本当によろしいですか？",
                               Box_icon::information, IDYES));
  ASSERT_TRUE(foyer.expect_box(title, L"全ての処理が完了しました。", Box_icon::information, IDOK));
  EXPECT_FALSE(driver::exists(desktop_shortcut()));
  EXPECT_FALSE(driver::exists(disc.save_dir()));
  EXPECT_TRUE(driver::exists(parent + L"\\keep.txt"));
  // What the game wrote into its folder stays there (Setup removes only what it installed).
  EXPECT_EQ(driver::tree_of(disc.install_dir()), std::set<std::wstring>{L"engine_starts.txt"});
  EXPECT_FALSE(driver::key_exists(disc.game_reg_key()));
  ASSERT_TRUE(wait_for([&] { return driver::is_visible(menu); }));
  EXPECT_TRUE(Cfoyer::wait_layout(menu, not_installed));
  ASSERT_TRUE(driver::close_window(menu));
  foyer.expect_exit();
}

TEST(FoyerFlow, ACancelledSetupGivesNoAfterDialog) {
  Cfoyer_disc disc;
  Cfoyer foyer;
  HWND menu = foyer.open_menu(disc);
  ASSERT_TRUE(menu);
  cancel_setup_from_menu(menu, L"セットアップ", setup_start);
  // The menu comes back as it was, and no dialog or box of Foyer's came up meanwhile.
  ASSERT_TRUE(wait_for([&] { return driver::is_visible(menu); }));
  EXPECT_TRUE(Cfoyer::wait_layout(menu, not_installed));
  EXPECT_EQ(driver::find_message_box(foyer.id()), nullptr);
  EXPECT_EQ(driver::find_window(foyer.id(), title, L"#32770"), menu);
  ASSERT_TRUE(driver::close_window(menu));
  foyer.expect_exit();
}

TEST(FoyerFlow, RepairFromTheSecondPageAndTheAfterDialogsClosed) {
  Cfoyer_disc disc;
  Cfoyer foyer;
  HWND menu = foyer.open_menu(disc);
  ASSERT_TRUE(menu);
  const std::wstring start_question = L"セットアップを開始します。よろしいですか？";
  run_setup_from_menu(menu, L"セットアップ", setup_start, start_question, L"セットアップが完了しました。");
  // Closed after-setup dialog: no shortcut, but the closing message.
  HWND after = driver::wait_dialog(foyer.id(), title, create_shortcut_box);
  ASSERT_TRUE(after);
  close_after_dialog(foyer, after, L"セットアップを終了してよろしいですか？");
  EXPECT_FALSE(driver::exists(desktop_shortcut()));
  ASSERT_TRUE(Cfoyer::wait_layout(menu, installed));

  // Repair from the second page, the shortcut box unticked: no shortcut; the menu comes
  // back on the second page.
  ASSERT_TRUE(Cfoyer::press(menu, L"その他の設定"));
  ASSERT_TRUE(Cfoyer::wait_layout(menu, second_page_installed));
  run_setup_from_menu(menu, L"修復セットアップ （サポート用）", setup_start, start_question,
                      L"セットアップが完了しました。");
  after = driver::wait_dialog(foyer.id(), title, create_shortcut_box);
  ASSERT_TRUE(after);
  ASSERT_TRUE(driver::click(after, create_shortcut_box));
  ASSERT_TRUE(driver::click(after, next_button));
  ASSERT_TRUE(foyer.expect_box(title, L"全ての処理が完了しました。", Box_icon::information, IDOK));
  EXPECT_FALSE(driver::exists(desktop_shortcut()));
  ASSERT_TRUE(wait_for([&] { return driver::is_visible(menu); }));
  EXPECT_TRUE(Cfoyer::wait_layout(menu, second_page_installed));

  // A cancelled uninstall leaves the game and shows no after-dialog.
  ASSERT_TRUE(Cfoyer::press(menu, L"戻る"));
  cancel_setup_from_menu(menu, L"アンインストール", uninstall_start);
  ASSERT_TRUE(Cfoyer::wait_layout(menu, installed));
  EXPECT_EQ(driver::find_message_box(foyer.id()), nullptr);

  // Uninstall with the after-uninstall dialog closed: the shortcut stays.
  ASSERT_TRUE(driver::write_bytes(desktop_shortcut(), "kept"));
  run_setup_from_menu(menu, L"アンインストール", uninstall_start,
                      std::wstring(title) + L"をアンインストールします。よろしいですか？", L"アンインストールが完了しました。");
  after = driver::wait_dialog(foyer.id(), title, delete_shortcut_box);
  ASSERT_TRUE(after);
  close_after_dialog(foyer, after, L"アンインストールを終了してよろしいですか？");
  EXPECT_EQ(driver::read_bytes(desktop_shortcut()), "kept");
  ASSERT_TRUE(Cfoyer::wait_layout(menu, not_installed));
  ASSERT_TRUE(driver::close_window(menu));
  foyer.expect_exit();
}

}  // namespace
}  // namespace foyer_test
