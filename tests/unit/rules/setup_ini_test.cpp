// Setup.ini as Setup and Foyer read it: values, pattern order, content checks and captions.
#include "lib/rules/setup_ini_checks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;

const std::wstring title = L"Night";

// A valid Setup.ini followed by extra lines (the base title and registry path come first, so
// later lines override them).
Lines with(const Lines& extra) {
  Lines lines = {L"#GAME_TITLE = \"Night\"", L"#REG_PATH = \"Maker\\\\Game\"", L"#SETUP_FILE = \"Data\""};
  lines.insert(lines.end(), extra.begin(), extra.end());
  return lines;
}

// Every field of Setup's record in one text, so that a row can look for the part it sets.
std::wstring render(const ZOR::Csetup_ini& ini) {
  std::wstring out = L"T=" + ini.game_title + L";R=" + ini.reg_path + L";C=" + std::to_wstring(ini.disc_count) + L";";
  for (int i = 0; i < ZOR::Csetup_ini::disc_name_count; ++i) {
    out += L"N" + std::to_wstring(i) + L"=" + ini.disc_names[static_cast<size_t>(i)] + L";";
  }
  out += L"S=" + std::to_wstring(ini.setup_size) + L";M=" + std::to_wstring(ini.min_setup_use) + L";F=";
  for (const auto& f : ini.setup_files) out += f.path + L":" + std::to_wstring(f.disc_index) + L",";
  return out + L";";
}

struct Row {
  Lines lines;
  const wchar_t* message;  // empty when the file is accepted
  std::wstring caption;
  int line;
  const wchar_t* has;  // accepted: text that render() must contain
};

const wchar_t reg_bad[] = L"レジストリパスが不正です。";

TEST(SetupIni, SetupEdgeCases) {
  const Row rows[] = {
      {with({L"#GAME_TITLE = \"Night \\\"Story\\\"\""}), L"", L"", 0, L"T=Night \"Story\";"},
      {with({L"#GAME_TITLE = \"夜の物語\""}), L"", L"", 0, L"T=夜の物語;"},
      {with({}), L"", L"", 0, L"T=Night;R=Maker\\Game;C=1;N0=;N1=;N2=;N3=;N4=;N5=;N6=;N7=;S=0;M=1;F=Data:0,;"},
      {with({L"#REG_PATH = \"Game\""}), reg_bad, title, 0, L""},
      {with({L"#DISC_CNT = 3"}), L"ディスク枚数は１枚もしくは２枚にして下さい。", title, 0, L""},
      {with({L"#DISC_CNT = 0"}), L"ディスク枚数は１枚もしくは２枚にして下さい。", title, 0, L""},
      {with({L"#DISC_CNT = 2", L"#DISC_NAME.0 = \"A\""}), L"2枚目のディスク名が指定されていません。", title, 0, L""},
      {with({L"#DISC_CNT = 2", L"#DISC_NAME.1 = \"B\""}), L"1枚目のディスク名が指定されていません。", title, 0, L""},
      {with({L"#DISC_CNT = 2", L"#DISC_NAME.0 = \"A\"", L"#DISC_NAME.1 = \"B\""}), L"", L"", 0, L"C=2;N0=A;N1=B;"},
      {with({L"#DISC_NAME.1 = \"DISC 2\""}), L"", L"", 0, L"C=1;N0=;N1=DISC 2;"},
      {with({L"#DISC_NAME.9 = \"X\"", L"#DISC_NAME.-1 = \"Y\"", L"#DISC_NAME.7 = \"Z\""}), L"", L"", 0, L"N6=;N7=Z;S"},
      {with({L"#SETUP_FILE = \"Movie\", 2"}), L"", L"", 0, L"F=Data:0,Movie:1,;"},
      {with({L"#SETUP_FILE = \"Movie\",2"}), L"", L"", 0, L"F=Data:0,Movie:1,;"},
      {with({L"#SETUP_FILE = \"Movie\" , 2"}), L"", L"", 0, L"F=Data:0,Movie:0,;"},
      {with({L"#SETUP_FILE = \"Movie\", 1"}), L"", L"", 0, L"F=Data:0,Movie:0,;"},
      {with({L"#SETUP_FILE = \"Movie\", 9"}), L"", L"", 0, L"F=Data:0,Movie:8,;"},
      {with({L"#SETUP_FILE = \"M\", -2147483648"}), L"", L"", 0, L"M:2147483647,;"},
      {with({L"#SETUP_FILE = \"a\\\\b\"", L"#SETUP_FILE = \"\""}), L"セットアップするファイルの 3 番目が指定されていません。",
       title, 0, L""},
      {with({L"#SETUP_FILE = Movie"}), L"Setup.ini の解析に失敗しました。(4行目)", L"Setup.exe", 4, L""},
      {with({L"#EX_BUTTON.001.USE = 1", L"#EX_BUTTONS"}), L"", L"", 0, L"T=Night;"},
      {with({L"#MIN_SETUP_USE = 0"}), L"", L"", 0, L"M=0;"},
      {with({L"#MIN_SETUP_USE = 0", L"#MIN_SETUP_USE = -4"}), L"", L"", 0, L"M=1;"},
      {with({L"#SETUP_SIZE = 5000000000"}), L"", L"", 0, L"S=5000000000;"},
      {with({L"#MANUAL_USE = 1", L"#DIRECT_X_USE = 1", L"#MANUAL_PATH = \"m\""}), L"", L"", 0, L"T=Night;"},
      {{L"#GAME_TITLE = \"Night\"", L"#REG_PATH = \"Maker\\\\Game\""}, L"セットアップするファイルが指定されていません。",
       title, 0, L""},
      {{L"#REG_PATH = \"Maker\\\\Game\"", L"#SETUP_FILE = \"Data\""}, L"ゲームタイトルが設定されていません。",
       L"Setup.exe", 0, L""},
      {with({L"#GAME_TITLE = \"\""}), L"ゲームタイトルが設定されていません。", L"Setup.exe", 0, L""},
      {with({L"#REG_PATH = \"\""}), L"レジストリパスが設定されていません。", title, 0, L""},
      {with({L"", L"  ", L"// note", L"/* a", L"b */", L"\t#GAME_TITLE = \"x\""}),
       L"Setup.ini の解析に失敗しました。(9行目)", L"Setup.exe", 9, L""},
      {with({L"#GAME_TITLE = \"C:\\Game\""}),
       L"Setup.ini の解析に失敗しました。\n不正なエスケープ（\\）です。'\\' を使うには '\\\\' と書いて下さい。 (4行目)",
       L"Setup.exe", 4, L""},
      {with({L"/* open", L""}), L"Setup.ini の解析に失敗しました。\n コメント (/*) が閉じられていません。 (4行目)",
       L"Setup.exe", 4, L""},
      // Checks run in their order: the title before the disc count.
      {{L"#DISC_CNT = 5", L"#REG_PATH = \"Game\""}, L"ゲームタイトルが設定されていません。", L"Setup.exe", 0, L""},
      {with({L"#REG_PATH = \"Game\"", L"#DISC_CNT = 5"}), reg_bad, title, 0, L""},
  };
  for (size_t i = 0; i < sizeof(rows) / sizeof(rows[0]); ++i) {
    const Row& row = rows[i];
    SCOPED_TRACE(testing::Message() << "row " << i << ", last line " << testing::PrintToString(row.lines.back()));
    ZOR::Csetup_ini ini;
    ZOR::Crule_problem problem;
    const bool ok = ZOR::read_setup_ini_lines(row.lines, ZOR::Setup_ini_reader::setup, ini, problem);
    EXPECT_EQ(ok, std::wstring(row.message).empty());
    EXPECT_EQ(problem.message, row.message);
    EXPECT_EQ(problem.caption, row.caption);
    EXPECT_EQ(problem.line, row.line);
    if (ok) {
      EXPECT_NE(render(ini).find(row.has), std::wstring::npos) << testing::PrintToString(render(ini));
    }
  }
}

TEST(SetupIni, PathsThatLeaveTheirFolderAreRefused) {
  struct Path_row {
    const wchar_t* written;  // as between the quotes of the file
    bool inside;             // as a #SETUP_FILE path
    bool reg_inside;         // after "Maker\\" as a #REG_PATH
  };
  const Path_row rows[] = {
      {L"Data", true, true},
      {L"a\\\\b\\\\c.dat", true, true},
      {L"a..b", true, true},
      {L"..a", true, true},
      {L"a\\\\.\\\\b", true, true},
      {L"...x", true, true},
      {L"日本\\\\語", true, true},
      {L"ab:c", true, true},
      {L"a:b", false, true},
      {L"..", false, false},
      {L"..\\\\x", false, false},
      {L"a\\\\..\\\\b", false, false},
      {L"a\\\\..", false, false},
      {L"a/../b", false, false},
      {L"a\\\\...\\\\b", false, false},
      {L"a\\\\.. \\\\b", false, false},
      {L"C:\\\\x", false, true},
      {L"c:x", false, true},
      {L"\\\\x", false, true},
      {L"\\\\\\\\srv\\\\s", false, true},
      {L"/x", false, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "path " << testing::PrintToString(std::wstring(row.written)));
    ZOR::Csetup_ini ini;
    ZOR::Crule_problem problem;
    const std::wstring value = std::wstring(L"\"") + row.written + L"\"";
    EXPECT_EQ(ZOR::read_setup_ini_lines(with({L"#SETUP_FILE = " + value + L", 1"}), ZOR::Setup_ini_reader::setup, ini, problem), row.inside);
    EXPECT_EQ(problem.message, row.inside ? L"" : L"セットアップするファイルの 2 番目が不正です。");
    EXPECT_EQ(problem.caption, row.inside ? L"" : title);

    const std::wstring reg = std::wstring(L"\"Maker\\\\") + row.written + L"\"";
    EXPECT_EQ(ZOR::read_setup_ini_lines(with({L"#REG_PATH = " + reg}), ZOR::Setup_ini_reader::setup, ini, problem), row.reg_inside);
    EXPECT_EQ(problem.message, row.reg_inside ? L"" : reg_bad);
  }
  for (const wchar_t* reg : {L"\"C:\\\\Game\"", L"\"\\\\Maker\\\\Game\"", L"\"..\\\\Game\"", L"\"C:Maker\\\\Game\""}) {
    SCOPED_TRACE(testing::Message() << "registry path " << testing::PrintToString(std::wstring(reg)));
    ZOR::Csetup_ini ini;
    ZOR::Crule_problem problem;
    EXPECT_FALSE(ZOR::read_setup_ini_lines(with({std::wstring(L"#REG_PATH = ") + reg}), ZOR::Setup_ini_reader::setup, ini, problem));
    EXPECT_EQ(problem.message, reg_bad);
    EXPECT_EQ(problem.caption, title);
  }
}

TEST(SetupIni, EmptyEntriesAreReportedBeforeEntriesThatLeaveTheFolder) {
  ZOR::Csetup_ini ini;
  ZOR::Crule_problem problem;
  EXPECT_FALSE(ZOR::read_setup_ini_lines(with({L"#SETUP_FILE = \"..\\\\x\"", L"#SETUP_FILE = \"\""}), ZOR::Setup_ini_reader::setup, ini, problem));
  EXPECT_EQ(problem.message, L"セットアップするファイルの 3 番目が指定されていません。");
  EXPECT_FALSE(ZOR::read_setup_ini_lines(with({L"#SETUP_FILE = \"C:\\\\x\"", L"#SETUP_FILE = \"..\""}), ZOR::Setup_ini_reader::setup, ini, problem));
  EXPECT_EQ(problem.message, L"セットアップするファイルの 2 番目が不正です。");
}

}  // namespace
