// Setup.ini as Foyer reads it: its fourteen patterns, the menu values and its first checks.
#include "lib/rules/setup_ini_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;

Lines with(const Lines& extra) {
  Lines lines = {L"#GAME_TITLE = \"Night\"", L"#REG_PATH = \"Maker\\\\Game\""};
  lines.insert(lines.end(), extra.begin(), extra.end());
  return lines;
}

std::wstring render(const ZOR::Csetup_ini& ini) {
  return L"T=" + ini.game_title + L";R=" + ini.reg_path + L";X=" + std::to_wstring(ini.direct_x_use) + L";MU=" +
         std::to_wstring(ini.manual_use) + L";MP=" + ini.manual_path + L";EU=" + std::to_wstring(ini.ex_button_use) +
         L";EN=" + ini.ex_button_name + L";EP=" + ini.ex_button_path + L";EC=" + std::to_wstring(ini.ex_button_close) +
         L";";
}

struct Row {
  Lines lines;
  const wchar_t* message;
  const wchar_t* caption;
  int line;
  const wchar_t* rendered;  // accepted: the whole record
};

TEST(FoyerIni, FoyerReading) {
  const Row rows[] = {
      {with({}), L"", L"", 0, L"T=Night;R=Maker\\Game;X=0;MU=0;MP=;EU=0;EN=;EP=;EC=0;"},
      {with({L"#DIRECT_X_USE = 1", L"#MANUAL_USE = 2", L"#MANUAL_PATH = \"Manual\\\\index.html\"",
             L"#EX_BUTTON.000.USE = -1", L"#EX_BUTTON.000.NAME = \"おまけ\"", L"#EX_BUTTON.000.PATH = \"Extra\"",
             L"#EX_BUTTON.000.CLOSE = 1"}),
       L"", L"", 0, L"T=Night;R=Maker\\Game;X=1;MU=1;MP=Manual\\index.html;EU=1;EN=おまけ;EP=Extra;EC=1;"},
      {with({L"#MANUAL_USE = 1", L"#MANUAL_USE = 0", L"#GAME_TITLE = \"Day\""}), L"", L"", 0,
       L"T=Day;R=Maker\\Game;X=0;MU=0;MP=;EU=0;EN=;EP=;EC=0;"},
      // The install keys are accepted and dropped; "#SETUP_FILE = %s" takes the disc number too.
      {with({L"#DISC_CNT = 2", L"#DISC_NAME.0 = \"A\"", L"#SETUP_SIZE = 5000000000", L"#MIN_SETUP_USE = 0",
             L"#SETUP_FILE = \"Movie\", 2", L"#SETUP_FILE = \"Movie\" , 2", L"#SETUP_FILE = \"..\\\\x\""}),
       L"", L"", 0, L"T=Night;R=Maker\\Game;X=0;MU=0;MP=;EU=0;EN=;EP=;EC=0;"},
      {with({L"#EX_BUTTON.001.USE = 1"}), L"Setup.ini の解析に失敗しました。(3行目)", L"Foyer.exe", 3, L""},
      {with({L"", L"#FOO = 1"}), L"Setup.ini の解析に失敗しました。(4行目)", L"Foyer.exe", 4, L""},
      {with({L"#REG_PATH = Game"}), L"Setup.ini の解析に失敗しました。(3行目)", L"Foyer.exe", 3, L""},
      {with({L"'x"}), L"Setup.ini の解析に失敗しました。\nシングルコーテーション (') 中に改行が見つかりました。 (3行目)",
       L"Foyer.exe", 3, L""},
      {{L"#REG_PATH = \"Maker\\\\Game\""}, L"ゲームタイトルが設定されていません。", L"Foyer.exe", 0, L""},
      {{L"#GAME_TITLE = \"Night\""}, L"レジストリパスが設定されていません。", L"Night", 0, L""},
      {with({L"#REG_PATH = \"Game\""}), L"レジストリパスが不正です。", L"Night", 0, L""},
      {with({L"#REG_PATH = \"Maker\\\\..\\\\..\\\\Windows\""}), L"レジストリパスが不正です。", L"Night", 0, L""},
      {with({L"#REG_PATH = \"C:\\\\Game\""}), L"レジストリパスが不正です。", L"Night", 0, L""},
  };
  for (size_t i = 0; i < sizeof(rows) / sizeof(rows[0]); ++i) {
    const Row& row = rows[i];
    SCOPED_TRACE(testing::Message() << "row " << i << ", last line " << testing::PrintToString(row.lines.back()));
    ZOR::Csetup_ini ini;
    ZOR::Crule_problem problem;
    const bool ok = ZOR::read_setup_ini_lines(row.lines, ZOR::Setup_ini_reader::foyer, ini, problem);
    EXPECT_EQ(ok, std::wstring(row.message).empty());
    EXPECT_EQ(problem.message, row.message);
    EXPECT_EQ(problem.caption, row.caption);
    EXPECT_EQ(problem.line, row.line);
    if (ok) {
      EXPECT_EQ(render(ini), row.rendered);
    }
  }
}

TEST(FoyerIni, WhatSetupAcceptsFoyerAcceptsButOtherExtraButtons) {
  const Lines file = {L"// a disc's Setup.ini",
                      L"#GAME_TITLE = \"Night\"",
                      L"#REG_PATH = \"Maker\\\\Game\"  /* registry and folders */",
                      L"#DISC_CNT = 2",
                      L"#DISC_NAME . 0 = \"DISC 1\"",
                      L"#DISC_NAME . 1 = \"DISC 2\"",
                      L"#SETUP_SIZE = 4800000000",
                      L"#SETUP_FILE = \"Data\""};
  ZOR::Csetup_ini setup;
  ZOR::Csetup_ini foyer;
  ZOR::Crule_problem problem;
  EXPECT_TRUE(ZOR::read_setup_ini_lines(file, ZOR::Setup_ini_reader::setup, setup, problem)) << testing::PrintToString(problem.message);
  EXPECT_TRUE(ZOR::read_setup_ini_lines(file, ZOR::Setup_ini_reader::foyer, foyer, problem)) << testing::PrintToString(problem.message);
  Lines extra = file;
  extra.push_back(L"#EX_BUTTON.002.NAME = \"x\"");
  EXPECT_TRUE(ZOR::read_setup_ini_lines(extra, ZOR::Setup_ini_reader::setup, setup, problem));
  EXPECT_FALSE(ZOR::read_setup_ini_lines(extra, ZOR::Setup_ini_reader::foyer, foyer, problem));
  EXPECT_EQ(problem.line, 9);
}

TEST(RegPathLookup, FirstMatchingRawLineWins) {
  struct Row {
    Lines lines;
    const wchar_t* reg_path;
  };
  const Row rows[] = {
      {{L"#GAME_TITLE = \"x\"", L"#REG_PATH = \"Maker\\\\Game\"", L"#REG_PATH = \"Other\\\\Game\""}, L"Maker\\Game"},
      {{L"garbage", L"'unclosed", L"#REG_PATH=\"A\\\\B\" // comment stays raw"}, L"A\\B"},
      {{L"// #REG_PATH = \"Commented\\\\Out\"", L"/* #REG_PATH = \"X\" */"}, L""},
      {{L" #REG_PATH = \"Indented\\\\Line\""}, L""},
      {{L"#REG_PATH = NoQuotes", L"#REG_PATH = \"\""}, L""},
      {{L"#REG_PATH = \"\"", L"#REG_PATH = \"A\\\\B\""}, L""},
      {{L""}, L""},
  };
  for (size_t i = 0; i < sizeof(rows) / sizeof(rows[0]); ++i) {
    SCOPED_TRACE(testing::Message() << "row " << i);
    EXPECT_EQ(ZOR::find_reg_path_lines(rows[i].lines), rows[i].reg_path);
  }
}

}  // namespace
