// The command-line parser: a five-state machine over a Ctext_scanner.
#include "lib/cmdline/command_line.h"

#include "lib/cmdline/text_scanner.h"
#include "lib/text/text.h"

namespace ZOR {

namespace {

enum class Parse_state { start, name, after_name, value, more_values };

// The parser's messages; n is the number of the command in which the error lies.
std::wstring message_a(int n) {
  return int_to_text(n) + L"個目の引数の解析に失敗しました。コマンドの最初は '/' で始めなければいけません。。";
}
std::wstring message_b(int n) {
  return L"'/' に続く単語の解析に失敗しました。" + int_to_text(n) + L"個目の引数の解析に失敗しました。";
}
std::wstring message_c(int n) {
  return int_to_text(n) + L"個目の引数の解析に失敗しました。コマンドの最初は '/' で始めなければいけません。";
}
std::wstring message_d(int n) {
  return int_to_text(n) + L"個目の引数の解析に失敗しました。'=' に続く値が見つかりません。";
}
std::wstring message_e(int n) { return int_to_text(n) + L"個目の引数の解析に失敗しました。"; }

// A value is a quoted string (with '\' as escape) or else a word.
bool read_value(Ctext_scanner& scanner, std::wstring& value) {
  return scanner.read_quoted(L'\\', value) || scanner.read_word(value);
}

}  // namespace

bool parse_command_line(const std::wstring& text, std::vector<Ccommand_arg>& args, std::wstring& error) {
  args.clear();
  error.clear();
  Ctext_scanner scanner(text.data(), text.data() + text.size(), L" \t\n");
  Parse_state state = Parse_state::start;
  int n = 0;
  Ccommand_arg current;

  auto finish = [&]() {
    args.push_back(current);
    current = Ccommand_arg();
  };

  for (;;) {
    if (scanner.at_end()) {
      switch (state) {
        case Parse_state::start:
          return true;
        case Parse_state::after_name:
        case Parse_state::more_values:
          finish();
          return true;
        case Parse_state::name:
        case Parse_state::value:
          error = message_e(n);
          return false;
      }
    }
    std::wstring token;
    switch (state) {
      case Parse_state::start:
        if (!scanner.match_char(L'/')) {
          error = message_a(n + 1);  // the command that was to begin
          return false;
        }
        ++n;
        state = Parse_state::name;
        break;
      case Parse_state::name:
        if (!scanner.read_word(current.name)) {
          error = message_b(n);
          return false;
        }
        state = Parse_state::after_name;
        break;
      case Parse_state::after_name:
        if (scanner.match_char(L'/')) {
          finish();
          ++n;
          state = Parse_state::name;
        } else if (scanner.match_char(L'=')) {
          state = Parse_state::value;
        } else {
          error = message_c(n);
          return false;
        }
        break;
      case Parse_state::value:
        if (!read_value(scanner, token)) {
          error = message_d(n);
          return false;
        }
        current.values.push_back(token);
        state = Parse_state::more_values;
        break;
      case Parse_state::more_values:
        if (scanner.match_char(L'/')) {
          finish();
          ++n;
          state = Parse_state::name;
        } else if (read_value(scanner, token)) {
          current.values.push_back(token);
        } else {
          error = message_d(n);
          return false;
        }
        break;
    }
  }
}

std::wstring escape_argument_value(const std::wstring& value) {
  // Paths never hold '"', but any other value may: unescaped it would end the quotes early.
  return replace_all_copy(replace_all_copy(value, L"\\", L"\\\\"), L"\"", L"\\\"");
}

bool read_options(const std::wstring& text, const std::vector<Coption_target>& targets, std::wstring& error) {
  std::vector<Ccommand_arg> args;
  const bool parsed = parse_command_line(text, args, error);
  for (const Ccommand_arg& arg : args) {
    if (arg.values.empty()) continue;
    for (const Coption_target& target : targets) {
      if (arg.name == target.name) *target.value = arg.values.front();
    }
  }
  return parsed;
}

}  // namespace ZOR
