// The command-line grammar, its messages and the value escaping for other programs.
#include "lib/cmdline/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Args = std::vector<ZOR::Ccommand_arg>;

const std::wstring fail_a = L"個目の引数の解析に失敗しました。コマンドの最初は '/' で始めなければいけません。。";
const std::wstring fail_c = L"個目の引数の解析に失敗しました。コマンドの最初は '/' で始めなければいけません。";
const std::wstring fail_d = L"個目の引数の解析に失敗しました。'=' に続く値が見つかりません。";
const std::wstring fail_e = L"個目の引数の解析に失敗しました。";
std::wstring fail_b(int n) { return L"'/' に続く単語の解析に失敗しました。" + std::to_wstring(n) + fail_e; }

// Renders a parse result as "name=v1|v2;name2;" so a row can state it in one string.
std::wstring render(const Args& args) {
  std::wstring out;
  for (const auto& a : args) {
    out += a.name;
    for (size_t i = 0; i < a.values.size(); ++i) out += (i == 0 ? L"=" : L"|") + a.values[i];
    out += L";";
  }
  return out;
}

struct Good_row {
  const wchar_t* text;
  const wchar_t* result;
};

TEST(CommandLine, AcceptedCommandLines) {
  const Good_row rows[] = {
      {L"", L""},
      {L" \t\n ", L""},
      {L"/copy /dir=\"D:\\\\x\\\\\"", L"copy;dir=D:\\x\\;"},
      {L"/dir=\"a\" \"b\"", L"dir=a|b;"},
      {L"/dir = \"a b\"", L"dir=a b;"},
      {L"/dir=setup", L"dir=setup;"},
      {L"/dir=\"C:\\Game\"", L"dir=C:Game;"},
      {L"/a=\"x\"\"y\"", L"a=x|y;"},
      {L"/mode=\"setup\" /mode=\"uninstall\"", L"mode=setup;mode=uninstall;"},
      {L"\t/\nMode\n=\n\"Setup\"\n", L"Mode=Setup;"},
      {L"/a/b/c", L"a;b;c;"},
      {L"/a=x y_1 /b", L"a=x|y_1;b;"},
      {L"/q=\"say \\\"hi\\\"\"", L"q=say \"hi\";"},
      {L"/e=\"\"", L"e=;"},
      {L"/j=\"日本語\\\\フォルダ\"", L"j=日本語\\フォルダ;"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "command line row: " << testing::PrintToString(std::wstring(row.text)));
    Args args;
    std::wstring error = L"stale";
    EXPECT_TRUE(ZOR::parse_command_line(row.text, args, error));
    EXPECT_EQ(error, L"");
    EXPECT_EQ(render(args), row.result);
  }
}

struct Bad_row {
  const wchar_t* text;
  std::wstring message;
  const wchar_t* completed;  // commands finished before the error
};

TEST(CommandLine, RejectedCommandLinesNameTheCommand) {
  const Bad_row rows[] = {
      {L"mode=\"setup\"", L"1" + fail_a, L""},
      {L"   x", L"1" + fail_a, L""},
      {L"/mode=\"x\" /", L"2" + fail_e, L"mode=x;"},
      {L"/mode=\"x\" /9", fail_b(2), L"mode=x;"},
      {L"/", L"1" + fail_e, L""},
      {L"/9", fail_b(1), L""},
      {L"/mode \"x\"", L"1" + fail_c, L""},
      {L"/mode=", L"1" + fail_e, L""},
      {L"/mode=-1", L"1" + fail_d, L""},
      {L"/mode=\"unclosed", L"1" + fail_d, L""},
      {L"/a /b /c=1", L"3" + fail_d, L"a;b;"},
      {L"/a=\"x\" \"y\" , /b", L"1" + fail_d, L""},
      {L"/a /b=\"1\" /c=\"2\" /d /e=", L"5" + fail_e, L"a;b=1;c=2;d;"},
      {L"/a /b /c /d /e /f /g /h /i /j /k x", L"11" + fail_c, L"a;b;c;d;e;f;g;h;i;j;"},
      {L"/dir=C:\\Game", L"1" + fail_d, L""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "command line row: " << testing::PrintToString(std::wstring(row.text)));
    Args args;
    std::wstring error;
    EXPECT_FALSE(ZOR::parse_command_line(row.text, args, error));
    EXPECT_EQ(error, row.message);
    EXPECT_EQ(render(args), row.completed);
  }
}

TEST(CommandLine, EscapedValuesRoundTripThroughTheParser) {
  const wchar_t* values[] = {L"D:\\Game\\", L"C:\\", L"\\\\server\\share\\x", L"plain", L"",
                             L"C:\\ゲーム\\表示\\", L"say \"hi\"", L"\\\"", L"\"\\"};
  for (const wchar_t* value : values) {
    SCOPED_TRACE(testing::Message() << "value: " << testing::PrintToString(std::wstring(value)));
    std::wstring escaped = ZOR::escape_argument_value(value);
    Args args;
    std::wstring error;
    ASSERT_TRUE(ZOR::parse_command_line(L"/mode=\"setup\" /dir=\"" + escaped + L"\"", args, error)) << error;
    ASSERT_EQ(args.size(), 2u);
    ASSERT_EQ(args[1].values.size(), 1u);
    EXPECT_EQ(args[1].values[0], value);
  }
  EXPECT_EQ(ZOR::escape_argument_value(L"D:\\Game\\"), L"D:\\\\Game\\\\");
  EXPECT_EQ(ZOR::escape_argument_value(L"a\"b"), L"a\\\"b");
}

TEST(CommandLine, ReadOptionsTakesTheFirstValueOfTheLastGivenOption) {
  struct Row {
    const wchar_t* text;
    const wchar_t* dir;
    const wchar_t* back;
    bool parsed;
  };
  const Row rows[] = {
      {L"", L"-", L"-", true},
      {L"/dir=\"D:\\\\Disc\" \"second\"", L"D:\\Disc", L"-", true},
      {L"/dir=\"a\" /dir=\"b\" /return=\"r\"", L"b", L"r", true},
      {L"/dir=\"a\" /dir /DIR=\"c\" /other=\"o\"", L"a", L"-", true},
      {L"/return=\"r\" /", L"-", L"r", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.text)));
    std::wstring dir = L"-";
    std::wstring back = L"-";
    std::wstring error;
    EXPECT_EQ(ZOR::read_options(row.text, {{L"dir", &dir}, {L"return", &back}}, error), row.parsed);
    EXPECT_EQ(dir, row.dir);
    EXPECT_EQ(back, row.back);
    EXPECT_EQ(error.empty(), row.parsed) << testing::PrintToString(error);
  }
}

}  // namespace
