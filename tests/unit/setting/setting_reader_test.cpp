// The shared reading loop: blank lines, rule order and the three ways to treat unmatched lines.
#include "lib/setting/setting_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;
using ZOR::Setting_problem;
using ZOR::Unmatched_line;

// A reader of two keys that records every match in order as "KEY=value;".
struct Two_key_reader {
  std::wstring log;
  std::wstring text;
  std::int32_t number = 0;

  ZOR::Csetting_read_result read(const Lines& lines, bool remove_comments, Unmatched_line unmatched) {
    const std::vector<ZOR::Csetting_rule> rules = {
        {L"#NAME = %s", {&text}, [this] { log += L"NAME=" + text + L";"; }},
        {L"#SIZE = %d", {&number}, [this] { log += L"SIZE=" + std::to_wstring(number) + L";"; }},
        {L"//", {}, nullptr},
    };
    return ZOR::read_setting_lines(lines, rules, {remove_comments, unmatched});
  }
};

TEST(SettingReader, UnmatchedLinePolicies) {
  const Lines lines = {L"", L"#SIZE = 1", L" \t", L"#OTHER = 5", L"#NAME = \"a\"", L"#SIZE = 2"};
  struct Row {
    Unmatched_line unmatched;
    Setting_problem problem;
    int line;
    int matched;
    const wchar_t* log;
  };
  const Row rows[] = {
      {Unmatched_line::stop, Setting_problem::unmatched_line, 4, 1, L"SIZE=1;"},
      {Unmatched_line::skip, Setting_problem::none, 0, 3, L"SIZE=1;NAME=a;SIZE=2;"},
      {Unmatched_line::skip_until_found, Setting_problem::none, 0, 1, L"SIZE=1;"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "policy " << static_cast<int>(row.unmatched));
    Two_key_reader reader;
    auto result = reader.read(lines, false, row.unmatched);
    EXPECT_EQ(result.problem, row.problem);
    EXPECT_EQ(result.line, row.line);
    EXPECT_EQ(result.matched_lines, row.matched);
    EXPECT_EQ(result.message, L"");
    EXPECT_EQ(reader.log, row.log);
  }
}

TEST(SettingReader, CommentsAreRemovedOnlyWhenAsked) {
  const Lines lines = {L"#NAME = \"x\" // trailing", L"/* a", L"b */", L"// whole line", L"#SIZE = 3 /* c */"};
  Two_key_reader with;
  auto result = with.read(lines, true, Unmatched_line::stop);
  EXPECT_EQ(result.problem, Setting_problem::none);
  EXPECT_EQ(with.log, L"NAME=x;SIZE=3;");

  // Raw lines: "/* a" matches no rule, so a validating reader stops there; "// ..." lines
  // are taken by the reader's own "//" rule.
  Two_key_reader raw;
  result = raw.read(lines, false, Unmatched_line::stop);
  EXPECT_EQ(result.problem, Setting_problem::unmatched_line);
  EXPECT_EQ(result.line, 2);
  Two_key_reader raw_skip;
  result = raw_skip.read(lines, false, Unmatched_line::skip);
  EXPECT_EQ(raw_skip.log, L"NAME=x;SIZE=3;");
}

TEST(SettingReader, SyntaxErrorComesFromTheCommentRemover) {
  Two_key_reader reader;
  auto result = reader.read({L"#SIZE = 1", L"", L"#NAME = \"C:\\Game\""}, true, Unmatched_line::stop);
  EXPECT_EQ(result.problem, Setting_problem::syntax_error);
  EXPECT_EQ(result.line, 3);
  EXPECT_EQ(result.message, L"不正なエスケープ（\\）です。'\\' を使うには '\\\\' と書いて下さい。");
  EXPECT_EQ(reader.log, L"") << "nothing is matched before the whole file passed the comment remover";
}

TEST(SettingReader, LineNumbersCountEveryLineAfterBlockComments) {
  Two_key_reader reader;
  auto result = reader.read({L"#SIZE = 1", L"", L"/* three", L"four", L"five */", L"", L"#BAD"}, true,
                            Unmatched_line::stop);
  EXPECT_EQ(result.problem, Setting_problem::unmatched_line);
  EXPECT_EQ(result.line, 7);
}

TEST(SettingReader, EmptyInputs) {
  Two_key_reader reader;
  auto result = reader.read({L""}, true, Unmatched_line::stop);
  EXPECT_EQ(result.problem, Setting_problem::none);
  EXPECT_EQ(result.matched_lines, 0);
  result = reader.read({}, false, Unmatched_line::stop);
  EXPECT_EQ(result.problem, Setting_problem::none);
  result = ZOR::read_setting_lines({L"#X"}, {}, {false, Unmatched_line::stop});
  EXPECT_EQ(result.problem, Setting_problem::unmatched_line);
  EXPECT_EQ(result.line, 1);
}

}  // namespace
