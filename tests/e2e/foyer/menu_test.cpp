// The menu: its geometry, both pages for a game not installed and installed (the key only),
// the actions' registry messages, page switching, the back button, Escape and the close box.
#include <shlobj.h>

#include <gtest/gtest.h>

#include "tests/e2e/foyer/foyer_support.h"

namespace foyer_test {
namespace {

using driver::Box_icon;
using Layout = std::vector<std::wstring>;

const std::wstring reinstall = L"\n\nレジストリが壊れている可能性があります。\nゲームを再セットアップするとこの問題は解決する場合があります。";

void create_key(const std::wstring& path) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

void set_value(const std::wstring& path, const std::wstring& name, const std::wstring& value) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, path.c_str(), name.c_str(), REG_SZ, value.c_str(),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
}

const Layout second_page_not_installed = {
    L"修復セットアップ （サポート用）@8(disabled)", L"環境設定を開く （サポート用）@56(disabled)",
    L"Chronicle を開く （サポート用）@104(disabled)", L"セーブフォルダを開く@152(disabled)",
    L"ショートカットを作成@200(disabled)", L"戻る@368"};

TEST(FoyerMenu, NotInstalledEveryOptionWithReturnAndTheSecondPage) {
  Cfoyer_disc disc;
  const std::wstring back = disc.scratch() + L"\\Back.exe";
  ASSERT_TRUE(driver::install_recorder(back));
  Cfoyer foyer;
  HWND menu = foyer.open_menu(disc, L"/return=\"" + driver::doubled_backslashes(back) + L"\"");
  ASSERT_TRUE(menu);
  RECT client = {};
  GetClientRect(menu, &client);
  EXPECT_EQ(client.right, 656);
  EXPECT_EQ(client.bottom, 416);
  RECT picture = {};
  GetWindowRect(driver::item(menu, 1002), &picture);
  MapWindowPoints(nullptr, menu, reinterpret_cast<POINT*>(&picture), 2);
  EXPECT_EQ(picture.left, 8);
  EXPECT_EQ(picture.top, 8);
  EXPECT_EQ(picture.right, 408);
  EXPECT_EQ(picture.bottom, 408);
  const Layout first_page = {L"セットアップ@8",     L"DirectX のｾｯﾄｱｯﾌﾟ@56", L"マニュアルを開く@104",
                             L"その他の設定@152", L"おまけ@200",              L"戻る@320",
                             L"終了@368"};
  EXPECT_TRUE(Cfoyer::wait_layout(menu, first_page));

  ASSERT_TRUE(Cfoyer::press(menu, L"その他の設定"));
  EXPECT_TRUE(Cfoyer::wait_layout(menu, second_page_not_installed));
  // A save folder made now is seen at the next layout only.
  ASSERT_EQ(SHCreateDirectoryExW(nullptr, disc.save_dir().c_str(), nullptr), ERROR_SUCCESS);
  EXPECT_EQ(Cfoyer::layout(menu), second_page_not_installed);
  // On the second page "戻る" only turns the page: the /return program does not start.
  ASSERT_TRUE(Cfoyer::press(menu, L"戻る"));
  EXPECT_TRUE(Cfoyer::wait_layout(menu, first_page));
  ASSERT_TRUE(Cfoyer::press(menu, L"その他の設定"));
  Layout with_save_folder = second_page_not_installed;
  with_save_folder[3] = L"セーブフォルダを開く@152";
  EXPECT_TRUE(Cfoyer::wait_layout(menu, with_save_folder));
  ASSERT_TRUE(Cfoyer::press(menu, L"戻る"));
  ASSERT_TRUE(Cfoyer::wait_layout(menu, first_page));
  EXPECT_TRUE(driver::read_start_records(back).empty());

  // Escape and Enter do nothing; "戻る" on the first page starts the program and closes the menu.
  HWND first = Cfoyer::buttons(menu).front().window;
  PostMessageW(first, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageW(menu, WM_COMMAND, IDCANCEL, 0);
  PostMessageW(menu, WM_COMMAND, IDOK, 0);
  Sleep(300);
  EXPECT_TRUE(driver::is_visible(menu));
  EXPECT_EQ(Cfoyer::layout(menu), first_page);
  ASSERT_TRUE(Cfoyer::press(menu, L"戻る"));
  foyer.expect_exit();
  ASSERT_TRUE(driver::wait_for_file(driver::start_record_path(back)));
  const std::vector<driver::Cstart_record> starts = driver::read_start_records(back);
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].program, back);
}

TEST(FoyerMenu, InstalledKeyWithoutItsValuesAndNoOptions) {
  Cfoyer_disc disc;
  create_key(disc.game_reg_key());
  Cfoyer foyer;
  HWND menu = foyer.open_menu(disc);
  ASSERT_TRUE(menu);
  EXPECT_TRUE(Cfoyer::wait_layout(
      menu, {L"ゲームを起動（ウィンドウ）@8", L"ゲームを起動（フルスクリーン）@56", L"DirectX のｾｯﾄｱｯﾌﾟ@104",
             L"アンインストール@152", L"マニュアルを開く@200", L"その他の設定@248", L"おまけ@296", L"終了@368"}));
  // The layout follows the key; the game needs the value exe_dir and the engine in it.
  ASSERT_TRUE(Cfoyer::press(menu, L"ゲームを起動（ウィンドウ）"));
  ASSERT_TRUE(foyer.expect_box(title, L"レジストリが取得できませんでした。" + reinstall, Box_icon::warning, IDOK));
  set_value(disc.game_reg_key(), L"exe_dir", disc.scratch());
  ASSERT_TRUE(Cfoyer::press(menu, L"ゲームを起動（フルスクリーン）"));
  ASSERT_TRUE(foyer.expect_box(title, L"LumoraEngine.exe が見つかりませんでした。" + reinstall, Box_icon::warning, IDOK));

  ASSERT_TRUE(Cfoyer::press(menu, L"その他の設定"));
  EXPECT_TRUE(Cfoyer::wait_layout(menu, {L"修復セットアップ （サポート用）@8", L"環境設定を開く （サポート用）@56",
                                         L"Chronicle を開く （サポート用）@104", L"セーブフォルダを開く@152(disabled)",
                                         L"ショートカットを作成@200", L"戻る@368"}));
  DeleteFileW((disc.dir() + L"\\Config.exe").c_str());
  ASSERT_TRUE(Cfoyer::press(menu, L"環境設定を開く （サポート用）"));
  ASSERT_TRUE(foyer.expect_box(title, L"Config.exe が見つかりませんでした。ディスクが破損している可能性があります。",
                               Box_icon::warning, IDOK));
  // The shortcut needs the engine too: asked first, then the engine's message, nothing written.
  ASSERT_TRUE(Cfoyer::press(menu, L"ショートカットを作成"));
  ASSERT_TRUE(foyer.expect_box(title, L"デスクトップにショートカットを作成します。", Box_icon::information, IDOK));
  ASSERT_TRUE(foyer.expect_box(title, L"LumoraEngine.exe が見つかりませんでした。" + reinstall, Box_icon::warning, IDOK));
  EXPECT_FALSE(driver::exists(desktop_shortcut()));
  ASSERT_TRUE(driver::close_window(menu));
  foyer.expect_exit();

  // Without the options only the fixed buttons remain; the close box ends the program.
  for (const wchar_t* key : {L"#DIRECT_X_USE", L"#MANUAL_USE", L"#EX_BUTTON.000.USE"}) disc.remove_ini_lines(key);
  menu = foyer.open_menu(disc);
  ASSERT_TRUE(menu);
  EXPECT_TRUE(Cfoyer::wait_layout(menu, {L"ゲームを起動（ウィンドウ）@8", L"ゲームを起動（フルスクリーン）@56",
                                         L"アンインストール@104", L"その他の設定@152", L"終了@368"}));
  PostMessageW(menu, WM_SYSCOMMAND, SC_CLOSE, 0);
  foyer.expect_exit();
}

}  // namespace
}  // namespace foyer_test
