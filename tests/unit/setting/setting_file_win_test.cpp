// Loading description files from disk: code page 932, CR LF, empty and missing files, the
// sample discs' Setup.ini files.
#include "lib/setting/setting_file.h"

#include "lib/error/error.h"
#include "lib/rules/platform_files.h"
#include "lib/rules/startup_rules.h"
#include "tests/driver/test_places.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;

TEST(SettingFile, LoadsCodePage932AndCrLfAndEmptyFiles) {
  driver::Ctemp_folder folder;
  // 星降る夜 in code page 932, and 表示, whose 表 has the trail byte 0x5C ('\').
  const std::string title = "\x90\xAF\x8D\x7E\x82\xE9\x96\xE9";
  const std::string shown = "\x95\x5C\x8E\xA6";
  const std::wstring file = folder.file(L"Setup.ini", "#GAME_TITLE = \"" + title + "\"\r\n#X = \"" + shown +
                                                          "\"\r\n\r\nlast");
  Lines lines;
  ASSERT_TRUE(ZOR::load_text_lines(file, lines));
  EXPECT_EQ(lines, (Lines{L"#GAME_TITLE = \"星降る夜\"", L"#X = \"表示\"", L"", L"last"}));

  std::wstring text = L"stale";
  ASSERT_TRUE(ZOR::load_text_file(folder.file(L"empty.ini", ""), text));
  EXPECT_EQ(text, L"");
  ASSERT_TRUE(ZOR::load_text_lines(folder.file(L"empty2.ini", ""), lines));
  EXPECT_EQ(lines, Lines{L""});
  ASSERT_TRUE(ZOR::load_text_lines(folder.file(L"lf.ini", "a\n"), lines));
  EXPECT_EQ(lines, (Lines{L"a", L""}));
}

TEST(SettingFile, MissingFileRecordsTheOpenAndGivesTheOpenMessage) {
  driver::Ctemp_folder folder;
  const std::wstring missing = folder / L"Setup.ini";
  Lines lines = {L"stale"};
  ZOR::clear_last_error();
  EXPECT_FALSE(ZOR::load_text_lines(missing, lines));
  EXPECT_TRUE(lines.empty());
  ZOR::Cerror_info info;
  ASSERT_TRUE(ZOR::get_last_error(info));
  EXPECT_EQ(info.operation, L"fopen(\"rt\")");
  EXPECT_EQ(info.kind, ZOR::Cerror_info::kind_errno);

  ZOR::Csetup_ini setup;
  ZOR::Crule_problem problem;
  EXPECT_FALSE(ZOR::read_setup_ini(ZOR::platform_files(), folder.path(), ZOR::Setup_ini_reader::setup, setup, problem));
  EXPECT_EQ(problem.message, L"Setup.ini が開けませんでした。");
  EXPECT_EQ(problem.caption, L"Setup.exe");
  EXPECT_FALSE(ZOR::read_setup_ini(ZOR::platform_files(), folder.path(), ZOR::Setup_ini_reader::foyer, setup, problem));
  EXPECT_EQ(problem.message, L"Setup.ini が開けませんでした。");
  EXPECT_EQ(problem.caption, L"Foyer.exe");
  auto result = ZOR::read_setting_file(missing, {}, {false, ZOR::Unmatched_line::stop});
  EXPECT_EQ(result.problem, ZOR::Setting_problem::open_failed);
  std::wstring reg_path = L"stale";
  EXPECT_FALSE(ZOR::find_reg_path(missing, reg_path));
  EXPECT_EQ(reg_path, L"");
}

TEST(SettingFile, ZeroByteSetupIniHasNoSettings) {
  driver::Ctemp_folder folder;
  ZOR::Csetup_ini setup;
  ZOR::Crule_problem problem;
  folder.file(L"Setup.ini", "");
  EXPECT_FALSE(ZOR::read_setup_ini(ZOR::platform_files(), folder.path(), ZOR::Setup_ini_reader::setup, setup, problem));
  EXPECT_EQ(problem.message, L"ゲームタイトルが設定されていません。");
  EXPECT_EQ(problem.caption, L"Setup.exe");
  EXPECT_EQ(problem.line, 0);
}

TEST(SettingFile, SampleDiscsReadInSetupAndFoyer) {
  ZOR::Csetup_ini one;
  ZOR::Crule_problem problem;
  ASSERT_TRUE(ZOR::read_setup_ini(ZOR::platform_files(), driver::source_path(L"tests\\data\\disc1\\SetupData"), ZOR::Setup_ini_reader::setup, one,
                                   problem))
      << testing::PrintToString(problem.message);
  EXPECT_EQ(one.game_title, L"星降る夜の物語");
  EXPECT_EQ(one.reg_path, L"Lumora\\Hoshifuru");
  EXPECT_EQ(one.disc_count, 1);
  ASSERT_EQ(one.setup_files.size(), 5u);
  EXPECT_EQ(one.setup_files[1].path, L"遊び方.txt");
  EXPECT_EQ(one.setup_files[2].path, L"system.dat");
  EXPECT_EQ(one.setup_files[2].disc_index, 0);

  ZOR::Csetup_ini two;
  ASSERT_TRUE(ZOR::read_setup_ini(ZOR::platform_files(), driver::source_path(L"tests\\data\\disc2\\SetupData"), ZOR::Setup_ini_reader::setup, two,
                                   problem))
      << testing::PrintToString(problem.message);
  EXPECT_EQ(two.disc_count, 2);
  EXPECT_EQ(two.disc_names[1], L"星降る夜の物語 ディスク２");
  EXPECT_EQ(two.setup_size, 38141);
  ASSERT_EQ(two.setup_files.size(), 3u);
  EXPECT_EQ(two.setup_files[2].path, L"movie");
  EXPECT_EQ(two.setup_files[2].disc_index, 1);

  std::wstring reg_path;
  ASSERT_TRUE(ZOR::find_reg_path(driver::source_path(L"tests\\data\\disc2\\SetupData\\Setup.ini"), reg_path));
  EXPECT_EQ(reg_path, L"Lumora\\Hoshifuru2");

  ZOR::Csetup_ini foyer;
  ASSERT_TRUE(ZOR::read_setup_ini(ZOR::platform_files(), driver::source_path(L"tests\\data\\disc1\\SetupData"), ZOR::Setup_ini_reader::foyer,
                                  foyer, problem));
  EXPECT_EQ(foyer.game_title, L"星降る夜の物語");
  EXPECT_FALSE(foyer.manual_use);
}

TEST(SettingFile, FoyerChecksWhatTheMenuKeysNameOnTheDisc) {
  struct Row {
    std::string keys;        // menu lines after the title and registry path
    std::wstring message;    // after the setup data folder's path where it starts with '\'
  };
  const Row rows[] = {
      {"#DIRECT_X_USE = 1\n", L"DirectX フォルダが見つかりませんでした。"},
      {"#DIRECT_X_USE = 0\n#MANUAL_USE = 0\n#MANUAL_PATH = \"none.html\"\n", L""},
      {"#MANUAL_USE = 1\n#MANUAL_PATH = \"Manual\"\n", L"\\Manual が見つかりませんでした。"},
      {"#MANUAL_USE = 1\n", L"\\ が見つかりませんでした。"},
      {"#MANUAL_USE = 1\n#MANUAL_PATH = \"Manual\\\\index.html\"\n", L""},
      {"#EX_BUTTON.000.USE = 1\n#EX_BUTTON.000.PATH = \"Manual\"\n", L""},
      {"#EX_BUTTON.000.USE = 1\n#EX_BUTTON.000.PATH = \"tool.exe\"\n", L"\\tool.exe が見つかりませんでした。"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.keys);
    driver::Ctemp_folder folder;
    folder.folder(L"Manual");
    folder.file(L"Manual\\index.html", "<html></html>");
    folder.file(L"Setup.ini", "#GAME_TITLE = \"Night\"\n#REG_PATH = \"Maker\\\\Game\"\n" + row.keys);
    ZOR::Csetup_ini ini;
    ZOR::Crule_problem problem;
    EXPECT_EQ(ZOR::read_setup_ini(ZOR::platform_files(), folder.path(), ZOR::Setup_ini_reader::foyer, ini, problem), row.message.empty());
    const std::wstring expected = !row.message.empty() && row.message[0] == L'\\' ? folder.path() + row.message : row.message;
    EXPECT_EQ(problem.message, expected);
    EXPECT_EQ(problem.caption, row.message.empty() ? L"" : L"Night");
    // Setup accepts the menu keys without looking at the disc.
    EXPECT_TRUE(ZOR::read_setup_ini(ZOR::platform_files(), folder.path(), ZOR::Setup_ini_reader::setup, ini, problem) ||
                problem.message == L"セットアップするファイルが指定されていません。");
  }
  driver::Ctemp_folder folder;
  folder.folder(L"DirectX");
  folder.file(L"DirectX\\readme.txt", "x");
  folder.file(L"Setup.ini", "#GAME_TITLE = \"Night\"\n#REG_PATH = \"Maker\\\\Game\"\n#DIRECT_X_USE = 1\n");
  ZOR::Csetup_ini ini;
  ZOR::Crule_problem problem;
  EXPECT_FALSE(ZOR::read_setup_ini(ZOR::platform_files(), folder.path(), ZOR::Setup_ini_reader::foyer, ini, problem));
  EXPECT_EQ(problem.message, L"DXSETUP.exe が見つかりませんでした。");
  folder.file(L"DirectX\\DXSETUP.exe", "MZ");
  EXPECT_TRUE(ZOR::read_setup_ini(ZOR::platform_files(), folder.path(), ZOR::Setup_ini_reader::foyer, ini, problem));
  EXPECT_EQ(ini.manual_path, folder.path() + L"\\");
}

}  // namespace
