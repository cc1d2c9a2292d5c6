// The command-line grammar shared by all programs: /name, /name=value, /name="a" "b" ...
#ifndef ZOR_CMDLINE_COMMAND_LINE_H
#define ZOR_CMDLINE_COMMAND_LINE_H

#include <string>
#include <vector>

namespace ZOR {

// One parsed command: the word after '/' and the values given after '=' (in order).
struct Ccommand_arg {
  std::wstring name;
  std::vector<std::wstring> values;
};

// Parses a program's command-line remainder into commands, in order (duplicates kept).
// Returns false at the first syntax error with its message in error; args then holds the
// commands completed before it.
bool parse_command_line(const std::wstring& text, std::vector<Ccommand_arg>& args, std::wstring& error);

// One option a program takes: its name as the parser delivers it (case matters) and the
// text that receives its first value.
struct Coption_target {
  const wchar_t* name;
  std::wstring* value;
};

// Parses text and stores the first value of every option named in targets: an option
// given again overrides the earlier one, an option without value and any other option are
// ignored. Returns false with the parser's message in error (targets then hold what the
// commands before the error gave).
bool read_options(const std::wstring& text, const std::vector<Coption_target>& targets, std::wstring& error);

// Returns value with every '\' doubled and a '\' before every '"', ready to be written
// between quotes after "/x=": the parser then gives back value exactly.
std::wstring escape_argument_value(const std::wstring& value);

}  // namespace ZOR

#endif
