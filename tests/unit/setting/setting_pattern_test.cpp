// Matching one description-file line against a setting pattern.
#include "lib/setting/setting_pattern.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// Runs scan_pattern over line with the text, 32-bit and 64-bit outputs the pattern needs
// (in that order of kinds: at most one of each) and renders what was read.
struct Scan {
  bool matched;
  std::wstring text;
  std::int32_t number;
  std::int64_t large;
  std::ptrdiff_t position;  // where the scanner stands afterwards
};

Scan scan(const std::wstring& line, const std::wstring& pattern) {
  Scan s{false, L"-", -999, -999, 0};
  ZOR::Ctext_scanner scanner(line.data(), line.data() + line.size(), L" \t\n");
  std::vector<ZOR::Cpattern_output> outputs;
  for (std::size_t at = pattern.find(L'%'); at != std::wstring::npos; at = pattern.find(L'%', at + 1)) {
    if (pattern.compare(at, 2, L"%s") == 0) outputs.push_back(&s.text);
    if (pattern.compare(at, 2, L"%d") == 0) outputs.push_back(&s.number);
    if (pattern.compare(at, 4, L"%64d") == 0) outputs.push_back(&s.large);
  }
  s.matched = ZOR::scan_pattern(scanner, pattern, outputs);
  s.position = scanner.cur - line.data();
  return s;
}

struct Row {
  const wchar_t* line;
  const wchar_t* pattern;
  bool matched;
  const wchar_t* text;  // "-" when untouched
  std::int32_t number;  // -999 when untouched
  std::int64_t large;   // -999 when untouched
};

TEST(ScanPattern, PatternRules) {
  const Row rows[] = {
      {L"#GAME_TITLE = \"Night\"", L"#GAME_TITLE = %s", true, L"Night", -999, -999},
      {L"#GAME_TITLE=\"Night\"", L"#GAME_TITLE = %s", true, L"Night", -999, -999},
      {L"#GAME_TITLE \t=\t \"Night\"", L"#GAME_TITLE = %s", true, L"Night", -999, -999},
      {L"#GAME_TITLE = \"x\" extra", L"#GAME_TITLE = %s", true, L"x", -999, -999},
      {L"#GAME_TITLE = Title", L"#GAME_TITLE = %s", false, L"-", -999, -999},
      {L"#GAME_TITLE = \"open", L"#GAME_TITLE = %s", false, L"-", -999, -999},
      {L"#GAME_TITLE = ", L"#GAME_TITLE = %s", false, L"-", -999, -999},
      {L"#GAME_TITLE", L"#GAME_TITLE = %s", false, L"-", -999, -999},
      {L"#game_title = \"x\"", L"#GAME_TITLE = %s", false, L"-", -999, -999},
      {L"  #GAME_TITLE = \"x\"", L"#GAME_TITLE = %s", false, L"-", -999, -999},
      {L"#GAME_TITLE = \"Night \\\"Story\\\"\"", L"#GAME_TITLE = %s", true, L"Night \"Story\"", -999, -999},
      {L"#REG_PATH = \"Maker\\\\Game\"", L"#REG_PATH = %s", true, L"Maker\\Game", -999, -999},
      {L"#REG_PATH = \"\"", L"#REG_PATH = %s", true, L"", -999, -999},
      {L"#REG_PATH = \"日本語\\\\ゲーム\"", L"#REG_PATH = %s", true, L"日本語\\ゲーム", -999, -999},
      {L"#DISC_NAME.1=\"Disc\"", L"#DISC_NAME . %d = %s", true, L"Disc", 1, -999},
      {L"#DISC_NAME . 1 = \"Disc\"", L"#DISC_NAME . %d = %s", true, L"Disc", 1, -999},
      {L"#DISC_NAME .1= \"Disc\"", L"#DISC_NAME . %d = %s", true, L"Disc", 1, -999},
      {L"#disc_name.1 = \"Disc\"", L"#DISC_NAME . %d = %s", false, L"-", -999, -999},
      {L"  #DISC_NAME.1 = \"Disc\"", L"#DISC_NAME . %d = %s", false, L"-", -999, -999},
      {L"#DISC_NAME.3 = Disc", L"#DISC_NAME . %d = %s", false, L"-", 3, -999},
      {L"#DISC_CNT = - 2", L"#DISC_CNT = %d", true, L"-", -2, -999},
      {L"#DISC_CNT = +7", L"#DISC_CNT = %d", true, L"-", 7, -999},
      {L"#DISC_CNT = \"2\"", L"#DISC_CNT = %d", false, L"-", -999, -999},
      {L"#DISC_CNT = -", L"#DISC_CNT = %d", false, L"-", -999, -999},
      {L"#DISC_CNT = 2x", L"#DISC_CNT = %d", true, L"-", 2, -999},
      {L"#SETUP_SIZE = 5000000000", L"#SETUP_SIZE = %64d", true, L"-", -999, 5000000000LL},
      {L"#SETUP_SIZE = -9223372036854775808", L"#SETUP_SIZE = %64d", true, L"-", -999, INT64_MIN},
      {L"#SETUP_FILE = \"Movie\", 2", L"#SETUP_FILE = %s, %d", true, L"Movie", 2, -999},
      {L"#SETUP_FILE = \"Movie\",2", L"#SETUP_FILE = %s, %d", true, L"Movie", 2, -999},
      {L"#SETUP_FILE = \"Movie\" , 2", L"#SETUP_FILE = %s, %d", false, L"Movie", -999, -999},
      {L"#SETUP_FILE = \"Movie\"", L"#SETUP_FILE = %s, %d", false, L"Movie", -999, -999},
      {L"#SETUP_FILE = \"Movie\" , 2", L"#SETUP_FILE = %s", true, L"Movie", -999, -999},
      {L"#EX_BUTTON.001.USE = 1", L"#EX_BUTTON", true, L"-", -999, -999},
      {L"#EX_BUTTON", L"#EX_BUTTON", true, L"-", -999, -999},
      {L"#EX_BUTTO", L"#EX_BUTTON", false, L"-", -999, -999},
      {L"anything", L"", true, L"-", -999, -999},
      {L"", L"", true, L"-", -999, -999},
      {L"//x", L"//", true, L"-", -999, -999},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "line " << testing::PrintToString(std::wstring(row.line)) << " pattern "
                                    << testing::PrintToString(std::wstring(row.pattern)));
    Scan s = scan(row.line, row.pattern);
    EXPECT_EQ(s.matched, row.matched);
    EXPECT_EQ(s.text, row.text);
    EXPECT_EQ(s.number, row.number);
    EXPECT_EQ(s.large, row.large);
    if (!s.matched) {
      EXPECT_EQ(s.position, 0) << "a failed match leaves the scanner where it was";
    }
  }
}

TEST(ScanPattern, ContinuesFromTheScannerPositionAndStopsAtPatternEnd) {
  const std::wstring line = L"#DISC_CNT = 2 #DISC_CNT = 3";
  ZOR::Ctext_scanner scanner(line.data(), line.data() + line.size(), L" \t\n");
  std::int32_t n = 0;
  ASSERT_TRUE(ZOR::scan_pattern(scanner, L"#DISC_CNT = %d", {&n}));
  EXPECT_EQ(n, 2);
  EXPECT_EQ(scanner.cur - line.data(), 13);
  ASSERT_TRUE(scanner.skip_separators());
  ASSERT_TRUE(ZOR::scan_pattern(scanner, L"#DISC_CNT = %d", {&n}));
  EXPECT_EQ(n, 3);
}

TEST(ScanPattern, DirectiveWithoutFittingOutputFailsCleanly) {
  const std::wstring line = L"#A = \"x\", 5";
  ZOR::Ctext_scanner scanner(line.data(), line.data() + line.size(), L" \t\n");
  std::wstring text;
  std::int64_t large = 0;
  EXPECT_FALSE(ZOR::scan_pattern(scanner, L"#A = %s, %d", {&text}));
  EXPECT_EQ(scanner.cur, line.data());
  EXPECT_FALSE(ZOR::scan_pattern(scanner, L"#A = %s, %d", {&text, &large}));
  EXPECT_EQ(scanner.cur, line.data());
  EXPECT_FALSE(ZOR::scan_pattern(scanner, L"#A = %d", {&text}));
  EXPECT_EQ(scanner.cur, line.data());
}

}  // namespace
