// Config's and Chronicle's locating rule over a folder in memory, and the save folder.
#include "lib/rules/game_location.h"

#include <gtest/gtest.h>

#include "tests/unit/rules/disc_fake.h"

namespace {

using rules_test::Cdisc_fake;

TEST(GameLocation, SetupIniFirstThenTheEngine) {
  using G = ZOR::Game_place;
  const struct {
    const wchar_t* setup_ini;  // nullptr: none
    bool engine_beside;
    bool engine_in_game_data;
    G place;
    const wchar_t* reg_path;
    const wchar_t* message;  // empty: found
  } rows[] = {
      {L"#REG_PATH = \"M\\\\G\"", true, false, G::setup_ini, L"M\\G", L""},
      // Raw lines, first match: a later line and comment removal play no part.
      {L"#GAME_TITLE = \"T\"\n#REG_PATH = \"A\\\\B\"\n#REG_PATH = \"C\\\\D\"", false, false, G::setup_ini, L"A\\B", L""},
      {L"/*\n#REG_PATH = \"A\\\\B\"\n*/", false, false, G::setup_ini, L"A\\B", L""},
      {L"#GAME_TITLE = \"T\"", true, false, G::setup_ini, L"", L"Setup.ini にレジストリパスが指定されていません。"},
      {L"#REG_PATH = \"\"", false, false, G::setup_ini, L"", L"Setup.ini にレジストリパスが指定されていません。"},
      {L"#REG_PATH = \"M\\\\..\\\\..\\\\Windows\"", false, false, G::setup_ini, L"", L"レジストリパスが不正です。"},
      {L"#REG_PATH = \"C:\\\\Game\"", false, false, G::setup_ini, L"", L"レジストリパスが不正です。"},
      {nullptr, true, true, G::engine_beside, L"", L""},
      {nullptr, false, true, G::engine_in_game_data, L"", L""},
      {nullptr, false, false, G::setup_ini, L"", L"Setup.ini が見つかりません。"},
  };
  int serial = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(++serial));
    Cdisc_fake folder;
    if (row.setup_ini != nullptr) folder.file(L"C:\\Tool\\Setup.ini", row.setup_ini);
    if (row.engine_beside) folder.file(L"C:\\Tool\\LumoraEngine.exe");
    if (row.engine_in_game_data) folder.file(L"C:\\Tool\\GameData\\LumoraEngine.exe");
    ZOR::Cgame_location found;
    ZOR::Crule_problem problem;
    const bool located = ZOR::locate_game(folder, L"C:\\Tool", found, problem);
    EXPECT_EQ(located, *row.message == L'\0');
    if (located) {
      EXPECT_EQ(found.place, row.place);
      EXPECT_EQ(found.reg_path, row.reg_path);
    } else {
      EXPECT_EQ(problem.message, row.message);
    }
  }
  Cdisc_fake unreadable;
  unreadable.unreadable(L"C:\\Tool\\Setup.ini");
  ZOR::Cgame_location found;
  ZOR::Crule_problem problem;
  EXPECT_FALSE(ZOR::locate_game(unreadable, L"C:\\Tool", found, problem));
  EXPECT_EQ(problem.message, L"Setup.ini が開けませんでした。");
}

TEST(GameLocation, SaveFolderNeedsTheDocumentsFolder) {
  std::wstring folder;
  ZOR::Crule_problem problem;
  ASSERT_TRUE(ZOR::save_folder_below(L"C:\\Users\\u\\Documents", L"M\\G", folder, problem));
  EXPECT_EQ(folder, L"C:\\Users\\u\\Documents\\M\\G\\SaveData\\");
  EXPECT_FALSE(ZOR::save_folder_below(L"", L"M\\G", folder, problem));
  EXPECT_EQ(problem.message, L"マイドキュメントが見つかりませんでした。");
}

TEST(GameLocation, SaveFolderOfEachPlace) {
  using G = ZOR::Game_place;
  const struct {
    G place;
    const wchar_t* documents;
    const wchar_t* folder;  // nullptr: the documents folder is missing
  } rows[] = {
      {G::setup_ini, L"C:\\Docs", L"C:\\Docs\\M\\G\\SaveData\\"},
      {G::setup_ini, L"", nullptr},
      // Beside the engine the save folder is relative to the program's; no documents needed.
      {G::engine_beside, L"", L"SaveData\\"},
      {G::engine_in_game_data, L"", L"GameData\\SaveData\\"},
  };
  int serial = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(++serial));
    ZOR::Cgame_location found;
    found.place = row.place;
    if (row.place == G::setup_ini) found.reg_path = L"M\\G";
    std::wstring folder;
    ZOR::Crule_problem problem;
    EXPECT_EQ(ZOR::save_folder_of(found, row.documents, folder, problem), row.folder != nullptr);
    EXPECT_EQ(row.folder != nullptr ? folder : problem.message,
              row.folder != nullptr ? row.folder : L"マイドキュメントが見つかりませんでした。");
  }
}

}  // namespace
