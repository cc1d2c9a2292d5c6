// The menu's actions that start programs: DirectX with its question, the manual through
// its associated program, the extra button (staying or closing the menu), Config and
// Chronicle from the disc, the desktop shortcut from the menu, the game in full screen.
#include <gtest/gtest.h>

#include "tests/e2e/foyer/foyer_support.h"

namespace foyer_test {
namespace {

using driver::Box_icon;

const std::wstring direct_x_question =
    L"DirectX 9.0 のセットアップを行います。\n\n既にバージョン 9.0 以上の DirectX "
    L"がセットアップされている場合は、セットアップする必要はありません。\n\nセットアップしてもバージョンが下がることは"
    L"ありません。\n\nセットアップには数分かかることがあります。\n\nセットアップ後、パソコンの再起動を求められることが"
    L"あります。";

// The one start recorded for the recorder copy program (waited for); empty when none.
std::wstring started_command_line(const std::wstring& program) {
  if (!driver::wait_for_lines(driver::start_record_path(program), 1)) return std::wstring();
  const std::vector<driver::Cstart_record> starts = driver::read_start_records(program);
  EXPECT_EQ(starts.size(), 1u) << testing::PrintToString(program);
  return starts.empty() ? std::wstring() : starts.front().command_line;
}

// Checks that the recorder copy program was started once, by its path and without
// arguments.
void expect_started_plainly(const std::wstring& program) {
  const std::wstring command_line = started_command_line(program);
  EXPECT_EQ(command_line.find(L"\"" + program + L"\""), 0u) << testing::PrintToString(command_line);
  EXPECT_EQ(command_line.find(L'/'), std::wstring::npos) << testing::PrintToString(command_line);
}


TEST(FoyerActions, ProgramsAndDocumentsTheMenuStarts) {
  Cfoyer_disc disc;
  // An installed game: its key, exe_dir and the engine there.
  const std::wstring exe_dir = disc.scratch() + L"\\Game";
  const std::wstring engine = driver::install_engine(exe_dir);
  ASSERT_FALSE(engine.empty());
  // The engine takes its window's class from reg.ini, as in an installed game (ASCII path).
  const std::wstring reg_name = driver::doubled_backslashes(disc.game_reg_path());
  ASSERT_TRUE(driver::write_bytes(exe_dir + L"\\reg.ini",
                                  "#REGNAME = \"" + std::string(reg_name.begin(), reg_name.end()) + "\"\n"));
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, disc.game_reg_key().c_str(), L"exe_dir", REG_SZ, exe_dir.c_str(),
                            static_cast<DWORD>((exe_dir.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
  for (const wchar_t* tool : {L"Config.exe", L"Chronicle.exe"}) {
    DeleteFileW((disc.dir() + L"\\" + tool).c_str());
    ASSERT_TRUE(driver::install_recorder(disc.dir() + L"\\" + tool));
  }
  const std::wstring browser = disc.scratch() + L"\\Browser.exe";
  ASSERT_TRUE(driver::install_recorder(browser));
  Cfile_association html(L".html", browser);

  Cfoyer foyer;
  HWND menu = foyer.open_menu(disc);
  ASSERT_TRUE(menu);

  // DirectX: Cancel is the default and starts nothing; OK starts the disc's installer.
  const std::wstring dxsetup = disc.dir() + L"\\DirectX\\DXSETUP.exe";
  ASSERT_TRUE(Cfoyer::press(menu, L"DirectX のｾｯﾄｱｯﾌﾟ"));
  ASSERT_TRUE(expect_box_with_default(foyer.id(), direct_x_question, Box_icon::information, IDCANCEL, IDCANCEL));
  ASSERT_TRUE(Cfoyer::press(menu, L"DirectX のｾｯﾄｱｯﾌﾟ"));
  EXPECT_TRUE(driver::read_start_records(dxsetup).empty());
  ASSERT_TRUE(expect_box_with_default(foyer.id(), direct_x_question, Box_icon::information, IDCANCEL, IDOK));
  expect_started_plainly(dxsetup);

  // The manual: its program gets the document's path in quotes.
  ASSERT_TRUE(Cfoyer::press(menu, L"マニュアルを開く"));
  const std::wstring manual = started_command_line(browser);
  EXPECT_NE(manual.find(L"\"" + disc.dir() + L"\\Manual\\index.html\""), std::wstring::npos)
      << testing::PrintToString(manual);

  // The extra button starts its program; the menu stays (#EX_BUTTON.000.CLOSE = 0).
  ASSERT_TRUE(Cfoyer::press(menu, L"おまけ"));
  EXPECT_FALSE(started_command_line(disc.dir() + L"\\おまけ.exe").empty());
  EXPECT_TRUE(driver::is_visible(menu));

  // Config and Chronicle come from the disc, without arguments; the menu stays.
  ASSERT_TRUE(Cfoyer::press(menu, L"その他の設定"));
  ASSERT_TRUE(Cfoyer::press(menu, L"環境設定を開く （サポート用）"));
  expect_started_plainly(disc.dir() + L"\\Config.exe");
  ASSERT_TRUE(Cfoyer::press(menu, L"Chronicle を開く （サポート用）"));
  expect_started_plainly(disc.dir() + L"\\Chronicle.exe");

  // The shortcut: made after asking; made again only when the overwrite is confirmed.
  ASSERT_TRUE(Cfoyer::press(menu, L"ショートカットを作成"));
  ASSERT_TRUE(expect_box_with_default(foyer.id(), L"デスクトップにショートカットを作成します。", Box_icon::information,
                                      IDOK, IDOK));
  ASSERT_TRUE(foyer.expect_box(title, L"デスクトップにショートカットを作成しました。", Box_icon::information, IDOK));
  EXPECT_EQ(shortcut_target(desktop_shortcut()), engine);
  ASSERT_TRUE(driver::write_bytes(desktop_shortcut(), "kept"));
  ASSERT_TRUE(Cfoyer::press(menu, L"ショートカットを作成"));
  ASSERT_TRUE(expect_box_with_default(foyer.id(), L"既にショートカットが存在します。上書きしますか？", Box_icon::warning,
                                      IDCANCEL, IDCANCEL));
  EXPECT_EQ(driver::read_bytes(desktop_shortcut()), "kept");
  ASSERT_TRUE(Cfoyer::press(menu, L"ショートカットを作成"));
  ASSERT_TRUE(expect_box_with_default(foyer.id(), L"既にショートカットが存在します。上書きしますか？", Box_icon::warning,
                                      IDCANCEL, IDOK));
  ASSERT_TRUE(foyer.expect_box(title, L"デスクトップにショートカットを作成しました。", Box_icon::information, IDOK));
  EXPECT_EQ(shortcut_target(desktop_shortcut()), engine);

  // Full screen: the engine gets "/fullscreen" and the menu ends.
  ASSERT_TRUE(Cfoyer::press(menu, L"戻る"));
  ASSERT_TRUE(Cfoyer::press(menu, L"ゲームを起動（フルスクリーン）"));
  foyer.expect_exit();
  ASSERT_TRUE(driver::wait_for_lines(disc.scratch() + L"\\Game\\engine_starts.txt", 1));
  EXPECT_NE(driver::read_engine_starts(engine).front().find(L"/fullscreen"), std::wstring::npos);
  HWND game = driver::wait_window(0, L"", L"lumora_engine_main_window_" + disc.game_reg_path());
  ASSERT_TRUE(game);
  driver::Cprocess engine_process;
  engine_process.open(driver::window_process(game));
  driver::close_window(game);
  driver::expect_exit_zero(engine_process);
}

TEST(FoyerActions, ExtraButtonClosesTheMenuUnlessItOpensAPage) {
  Cfoyer_disc disc;
  disc.set_ini_line(L"#EX_BUTTON.000.CLOSE", L"#EX_BUTTON.000.CLOSE = 1");
  const std::wstring browser = disc.scratch() + L"\\Browser.exe";
  ASSERT_TRUE(driver::install_recorder(browser));
  Cfile_association html(L".html", browser);
  {
    // A page is opened with its program, and the menu stays although CLOSE is set.
    Cfoyer_disc page_disc;
    page_disc.set_ini_line(L"#EX_BUTTON.000.CLOSE", L"#EX_BUTTON.000.CLOSE = 1");
    page_disc.set_ini_line(L"#EX_BUTTON.000.PATH", L"#EX_BUTTON.000.PATH = \"Manual\\\\Readme.HTML\"");
    ASSERT_TRUE(driver::write_bytes(page_disc.dir() + L"\\Manual\\Readme.HTML", "<html></html>"));
    Cfoyer foyer;
    HWND menu = foyer.open_menu(page_disc);
    ASSERT_TRUE(menu);
    ASSERT_TRUE(Cfoyer::press(menu, L"おまけ"));
    EXPECT_NE(started_command_line(browser).find(L"Readme.HTML\""), std::wstring::npos);
    EXPECT_TRUE(driver::is_visible(menu));
    ASSERT_TRUE(driver::close_window(menu));
    foyer.expect_exit();
  }
  Cfoyer foyer;
  HWND menu = foyer.open_menu(disc);
  ASSERT_TRUE(menu);
  ASSERT_TRUE(Cfoyer::press(menu, L"おまけ"));
  foyer.expect_exit();
  EXPECT_FALSE(started_command_line(disc.dir() + L"\\おまけ.exe").empty());
}

}  // namespace
}  // namespace foyer_test
