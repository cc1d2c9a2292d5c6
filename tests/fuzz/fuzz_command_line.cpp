// Fuzz target: parse_command_line on any text, and escape_argument_value round trips.
#include "lib/cmdline/command_line.h"
#include "lib/text/text.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_require.h"

#include <string>
#include <vector>

namespace {

using fuzz::require;

bool is_word(const std::wstring& name) {
  if (name.empty()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const wchar_t c = name[i];
    const bool letter = (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_';
    if (!letter && !(i > 0 && c >= L'0' && c <= L'9')) return false;
  }
  return true;
}

// The five messages the parser can give for the command numbered n.
bool is_parser_message(const std::wstring& message, std::size_t n) {
  const std::wstring number = ZOR::uint64_to_text(n);
  const std::wstring failed = L"個目の引数の解析に失敗しました。";
  const std::wstring slash = L"コマンドの最初は '/' で始めなければいけません。";
  return message == number + failed + slash + L"。" ||
         message == L"'/' に続く単語の解析に失敗しました。" + number + failed || message == number + failed + slash ||
         message == number + failed + L"'=' に続く値が見つかりません。" || message == number + failed;
}

// Writes args back as a command line in the form other programs use: /name="value" ...
std::wstring command_line_of(const std::vector<ZOR::Ccommand_arg>& args) {
  std::wstring text;
  for (const auto& arg : args) {
    text += L" /" + arg.name;
    for (std::size_t i = 0; i < arg.values.size(); ++i) {
      text += (i == 0 ? L"=\"" : L" \"") + ZOR::escape_argument_value(arg.values[i]) + L"\"";
    }
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring text = fuzz::text_of(data, size);
  std::vector<ZOR::Ccommand_arg> args;
  std::wstring error;
  const bool ok = ZOR::parse_command_line(text, args, error);
  for (const auto& arg : args) require(is_word(arg.name), "every listed command has a word as its name");
  if (!ok) {
    // Only completed commands are listed: the error lies in the next one.
    require(is_parser_message(error, args.size() + 1), "a failure names the command after the completed ones");
    return 0;
  }
  require(error.empty(), "success leaves no message");

  // Written back with escaped values and parsed again, the commands come back unchanged.
  std::vector<ZOR::Ccommand_arg> again;
  require(ZOR::parse_command_line(command_line_of(args), again, error), "a written-back command line parses");
  require(again.size() == args.size(), "written back: same number of commands");
  for (std::size_t i = 0; i < args.size(); ++i) {
    require(again[i].name == args[i].name && again[i].values == args[i].values, "written back: same commands");
  }
  return 0;
}
