// Splitting loaded text into lines and removing comments with the system's exact messages.
#include "lib/setting/setting_lexer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;

const std::wstring bad_escape = L"不正なエスケープ（\\）です。'\\' を使うには '\\\\' と書いて下さい。";
const std::wstring open_single = L"シングルコーテーション (') 中に改行が見つかりました。";
const std::wstring open_double = L"ダブルコーテーション (\") 中に改行が見つかりました。";
const std::wstring open_block = L" コメント (/*) が閉じられていません。";

std::wstring joined(const Lines& lines) {
  std::wstring out;
  for (const auto& line : lines) out += L"[" + line + L"]";
  return out;
}

TEST(SplitLines, CutsAtEveryLineFeedAndKeepsTheRest) {
  struct Row {
    std::wstring text;
    const wchar_t* lines;
  };
  const Row rows[] = {
      {L"", L"[]"},
      {L"a", L"[a]"},
      {L"a\n", L"[a][]"},
      {L"a\nb", L"[a][b]"},
      {L"\n\n", L"[][][]"},
      {L"a\r\nb", L"[a\r][b]"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "text: " << testing::PrintToString(row.text));
    Lines lines = {L"stale"};
    ZOR::split_lines(row.text, lines);
    EXPECT_EQ(joined(lines), row.lines);
  }
  Lines lines;
  ZOR::split_lines(std::wstring(L"a\0b\nc", 5), lines);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::wstring(L"a\0b", 3));
}

struct Strip_row {
  Lines in;
  const wchar_t* out;  // joined output lines when the removal succeeds
  int error_line;      // -1 when it succeeds
  std::wstring message;
};

TEST(StripComments, RemovesCommentsAndChecksQuotes) {
  const Strip_row rows[] = {
      {{L"#GAME_TITLE = \"A // B\""}, L"[#GAME_TITLE = \"A // B\"]", -1, L""},
      {{L"#GAME_TITLE = \"A\" // title"}, L"[#GAME_TITLE = \"A\" ]", -1, L""},
      {{L"// only a comment", L"x"}, L"[][x]", -1, L""},
      {{L"a /* b */ c"}, L"[a  c]", -1, L""},
      {{L"a /* b", L"inside", L"c */ d", L"e"}, L"[a ][][ d][e]", -1, L""},
      {{L"/*/ still open */x"}, L"[x]", -1, L""},
      {{L"/**/x"}, L"[x]", -1, L""},
      {{L"a // x /* y", L"b"}, L"[a ][b]", -1, L""},
      {{L"'it''s' \"/* no */\""}, L"['it''s' \"/* no */\"]", -1, L""},
      {{L"\"a \\\" b\" // c"}, L"[\"a \\\" b\" ]", -1, L""},
      {{L"\"C:\\\\Game\""}, L"[\"C:\\\\Game\"]", -1, L""},
      {{L"'\\'' '\\\\'"}, L"['\\'' '\\\\']", -1, L""},
      {{L"\"'\" '\"'"}, L"[\"'\" '\"']", -1, L""},
      {{L"*/ stray"}, L"[*/ stray]", -1, L""},
      {{}, L"", -1, L""},
      {{L"x", L"\"C:\\Game\""}, nullptr, 2, bad_escape},
      {{L"'a\\n'"}, nullptr, 1, bad_escape},
      {{L"\"a\\'\""}, nullptr, 1, bad_escape},
      {{L"'\\\"'"}, nullptr, 1, bad_escape},
      {{L"ok", L"'abc"}, nullptr, 2, open_single},
      {{L"'abc\\", L"'"}, nullptr, 1, open_single},
      {{L"\"abc", L"\""}, nullptr, 1, open_double},
      {{L"\"abc\\"}, nullptr, 1, open_double},
      {{L"1", L"2", L"3", L"/* open", L"5", L"6", L"7", L"8", L"9", L"10"}, nullptr, 4, open_block},
      {{L"/* a */ /* b", L"c"}, nullptr, 1, open_block},
      {{L"/* a", L"*/ /* b"}, nullptr, 2, open_block},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "lines: " << testing::PrintToString(joined(row.in)));
    Lines lines = row.in;
    ZOR::Csetting_lexer lexer;
    const bool ok = lexer.strip_comments(lines);
    EXPECT_EQ(ok, row.error_line == -1);
    EXPECT_EQ(lexer.error_line, row.error_line);
    EXPECT_EQ(lexer.error_message, row.message);
    if (ok) {
      EXPECT_EQ(joined(lines), row.out);
    } else {
      EXPECT_EQ(lines, row.in) << "a failed removal leaves the lines as they were";
    }
  }
}

TEST(StripComments, BlockCommentKeepsLineNumbersAndLexerIsReusable) {
  Lines lines = {L"#A", L"#B", L"x /* three", L"four", L"five */ y", L"#F", L"#G"};
  ZOR::Csetting_lexer lexer;
  ASSERT_TRUE(lexer.strip_comments(lines));
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[2], L"x ");
  EXPECT_EQ(lines[3], L"");
  EXPECT_EQ(lines[4], L" y");
  EXPECT_EQ(lines[6], L"#G");

  Lines bad = {L"'"};
  EXPECT_FALSE(lexer.strip_comments(bad));
  EXPECT_EQ(lexer.error_line, 1);
  Lines good = {L"ok"};
  EXPECT_TRUE(lexer.strip_comments(good));
  EXPECT_EQ(lexer.error_line, -1) << "a later success clears the earlier error";
  EXPECT_EQ(lexer.error_message, L"");
}

}  // namespace
