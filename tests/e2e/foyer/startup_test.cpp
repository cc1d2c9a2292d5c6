// Foyer's start-up: the command line, the disc layout, Setup.ini with its menu targets, the
// icon and the picture, and the silent ends beside a running game or menu.
#include <gtest/gtest.h>

#include <cwchar>

#include "tests/e2e/foyer/foyer_support.h"

namespace foyer_test {
namespace {

using driver::Box_icon;

std::uint32_t grey(int x, int y) { return static_cast<std::uint32_t>((x + y) & 0xFF) * 0x010101u; }

// Starts Foyer on disc with arguments and expects exactly one warning, then its end.
void expect_start_failure(const Cfoyer_disc& disc, const std::wstring& arguments, const std::wstring& caption,
                          const std::wstring& text) {
  Cfoyer foyer;
  ASSERT_TRUE(foyer.start_with(disc.dir() + L"\\Foyer.exe", arguments));
  ASSERT_TRUE(foyer.expect_box(caption, text, Box_icon::warning, IDOK));
  foyer.expect_exit();
}

TEST(FoyerStartup, CommandLineAndDiscLayoutAreCheckedInOrder) {
  {
    Cfoyer_disc disc;
    expect_start_failure(disc, L"", L"Foyer.exe", L"モジュールの起動場所が指定されていません。");
    expect_start_failure(disc, L"/dir=\"" + driver::doubled_backslashes(disc.scratch()) + L"\\\\none\"", L"Foyer.exe",
                         L"SetupData フォルダが見つかりませんでした。");
  }
  {
    // The parser's own text follows the sentence; the box has no icon.
    Cfoyer_disc disc;
    Cfoyer foyer;
    ASSERT_TRUE(foyer.start(disc, L"/"));
    ASSERT_TRUE(foyer.expect_box(L"Foyer.exe", L"コマンドラインの解析に失敗しました。\n2個目の引数の解析に失敗しました。",
                                 Box_icon::none, IDOK));
    foyer.expect_exit();
  }
  struct Row {
    const wchar_t* removed;  // below the setup data folder
    const wchar_t* message;
  };
  const Row rows[] = {
      {L"GameData", L"GameData フォルダが見つかりませんでした。"},
      {L"Setup.exe", L"Setup.exe が見つかりませんでした。"},
      {L"Setup.ini", L"Setup.ini が見つかりませんでした。"},
      {L"Setup.bmp", L"Setup.bmp が見つかりませんでした。"},
      {L"Setup.ico", L"Setup.ico が見つかりませんでした。"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.removed)));
    Cfoyer_disc disc;
    const std::wstring removed = disc.dir() + L"\\" + row.removed;
    ASSERT_TRUE(DeleteFileW(removed.c_str()) || driver::remove_folder_tree(removed));
    expect_start_failure(disc, disc.arguments(), L"Foyer.exe", row.message);
  }
}

TEST(FoyerStartup, BrokenSetupIniStopsWithItsMessage) {
  struct Row {
    const wchar_t* key;   // the line starting with key is replaced (or the line added)
    const wchar_t* line;
    const wchar_t* caption;  // empty: the game title
    const wchar_t* message;  // "#": the unmatched-line message of the line; a leading '\':
                             // after the setup data folder
  };
  const Row rows[] = {
      {L"#FOO", L"#FOO = 1", L"Foyer.exe", L"#"},
      {L"#EX_BUTTON.001", L"#EX_BUTTON.001.USE = 1", L"Foyer.exe", L"#"},
      {L"#REG_PATH", L"#REG_PATH = Game", L"Foyer.exe", L"#"},
      {L"#GAME_TITLE", L"#GAME_TITLE = \"\"", L"Foyer.exe", L"ゲームタイトルが設定されていません。"},
      {L"#REG_PATH", L"#REG_PATH = \"Game\"", L"", L"レジストリパスが不正です。"},
      {L"#REG_PATH", L"#REG_PATH = \"ZorTest\\\\..\\\\..\\\\Windows\"", L"", L"レジストリパスが不正です。"},
      {L"#MANUAL_PATH", L"#MANUAL_PATH = \"Manual\\\\none.html\"", L"", L"\\Manual\\none.html が見つかりませんでした。"},
      {L"#MANUAL_PATH", L"#MANUAL_PATH = \"Manual\"", L"", L"\\Manual が見つかりませんでした。"},
      {L"#EX_BUTTON.000.PATH", L"#EX_BUTTON.000.PATH = \"none.exe\"", L"", L"\\none.exe が見つかりませんでした。"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.line)));
    Cfoyer_disc disc;
    disc.set_ini_line(row.key, row.line);
    std::wstring message = row.message;
    if (message == L"#") {
      const std::vector<std::wstring> lines = disc.ini_lines();
      std::size_t number = 0;
      for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].compare(0, std::wcslen(row.key), row.key) == 0) number = i + 1;
      }
      message = L"Setup.ini の解析に失敗しました。(" + std::to_wstring(number) + L"行目)";
    } else if (message[0] == L'\\') {
      message = disc.dir() + message;
    }
    expect_start_failure(disc, disc.arguments(), *row.caption ? row.caption : title, message);
  }
  // A quote left open: the reader's message with its line.
  Cfoyer_disc disc;
  disc.set_ini_line(L"#GAME_TITLE", L"#GAME_TITLE = \"open");
  expect_start_failure(disc, disc.arguments(), L"Foyer.exe",
                       L"Setup.ini の解析に失敗しました。\nダブルコーテーション (\") 中に改行が見つかりました。 (2行目)");
  // The DirectX folder without its installer; then no folder at all.
  Cfoyer_disc no_installer;
  ASSERT_TRUE(DeleteFileW((no_installer.dir() + L"\\DirectX\\DXSETUP.exe").c_str()));
  expect_start_failure(no_installer, no_installer.arguments(), title, L"DXSETUP.exe が見つかりませんでした。");
  ASSERT_TRUE(driver::remove_folder_tree(no_installer.dir() + L"\\DirectX"));
  expect_start_failure(no_installer, no_installer.arguments(), title, L"DirectX フォルダが見つかりませんでした。");
  // Options turned off are not checked.
  no_installer.set_ini_line(L"#DIRECT_X_USE", L"#DIRECT_X_USE = 0");
  no_installer.set_ini_line(L"#MANUAL_PATH", L"#MANUAL_PATH = \"none.html\"");
  no_installer.set_ini_line(L"#MANUAL_USE", L"#MANUAL_USE = 0");
  Cfoyer foyer;
  HWND menu = foyer.open_menu(no_installer);
  ASSERT_TRUE(menu);
  driver::close_window(menu);
  foyer.expect_exit();
}

TEST(FoyerStartup, IconAndPictureThatCannotBeUsed) {
  const std::wstring not_an_icon =
      L"Setup.ico が bmp 形式になっています。アイコンエディタ等で正しいアイコンを作成して下さい。";
  struct Icon_row {
    std::string bytes;
    const wchar_t* message;
  };
  const Icon_row icons[] = {
      {std::string("\0\0\1", 3), not_an_icon.c_str()},
      {bitmap_file(4, 4, 24, false, grey), not_an_icon.c_str()},
      {std::string("\x00\x00\x01\x00\x01\x00\x20\x20\x00\x00\x01\x00\x20\x00\xff\xff", 16),
       L"Setup.ico が読み込めませんでした。ファイルが壊れている可能性があります。"},
  };
  for (const Icon_row& row : icons) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.message)));
    Cfoyer_disc disc;
    ASSERT_TRUE(driver::write_bytes(disc.dir() + L"\\Setup.ico", row.bytes));
    expect_start_failure(disc, disc.arguments(), title, row.message);
  }
  const std::wstring load_failed = L"Setup.bmp の読み込みに失敗しました。";
  {
    // An 8-bit picture: the depth message first, then the load message.
    Cfoyer_disc disc;
    ASSERT_TRUE(driver::write_bytes(disc.dir() + L"\\Setup.bmp", bitmap_file(16, 16, 8, false, grey)));
    Cfoyer foyer;
    ASSERT_TRUE(foyer.start(disc));
    ASSERT_TRUE(foyer.expect_box(L"エラー", L"24bit / 32bit 以外のビットマップには対応していません。", Box_icon::warning,
                                 IDOK));
    ASSERT_TRUE(foyer.expect_box(title, load_failed, Box_icon::warning, IDOK));
    foyer.expect_exit();
  }
  // Rows stored top-down, a text file: the load message alone.
  for (const std::string& bytes : {bitmap_file(16, 16, 24, true, grey), std::string("not a picture")}) {
    SCOPED_TRACE(bytes.substr(0, 2));
    Cfoyer_disc disc;
    ASSERT_TRUE(driver::write_bytes(disc.dir() + L"\\Setup.bmp", bytes));
    expect_start_failure(disc, disc.arguments(), title, load_failed);
  }
}

TEST(FoyerStartup, ARunningGameOrMenuEndsFoyerSilently) {
  Cfoyer_disc disc;
  {
    // The window of another game does not count.
    Cgame_window other(disc.game_reg_path() + L"2");
    Cfoyer first;
    ASSERT_TRUE(first.start(disc));
    HWND menu = first.wait_menu();
    ASSERT_TRUE(menu);
    Cfoyer second;
    ASSERT_TRUE(second.start(disc));
    second.expect_exit();
    EXPECT_TRUE(driver::is_visible(menu));
    driver::close_window(menu);
    first.expect_exit();
  }
  Cgame_window game(disc.game_reg_path());
  Cfoyer foyer;
  ASSERT_TRUE(foyer.start(disc));
  foyer.expect_exit();
}

}  // namespace
}  // namespace foyer_test
