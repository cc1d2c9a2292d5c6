// Description-file lines: splitting a loaded text and removing comments line by line.
#ifndef ZOR_SETTING_SETTING_LEXER_H
#define ZOR_SETTING_SETTING_LEXER_H

#include <cstdint>
#include <string>
#include <vector>

namespace ZOR {

// The largest description file the programs load (64 MiB); a larger one fails to load.
constexpr std::int64_t largest_setting_file = 64LL * 1024 * 1024;

// Replaces lines with the text cut at every line feed. The text after the last line feed
// is always a line, so "a\n" gives "a" and "", and an empty text gives one empty line.
void split_lines(const std::wstring& text, std::vector<std::wstring>& lines);

// The comment remover of the description files: "//" to the line end and "/* ... */"
// (across lines) are dropped outside quotes; quotes and escapes are checked, not removed.
class Csetting_lexer {
 public:
  // Number (from 1) of the line where the last strip_comments failed; -1 when it did not.
  int error_line = -1;
  // The system's text for that failure; empty when it did not fail.
  std::wstring error_message;

  // Replaces every line by itself without comments, one output line per input line so that
  // line numbers stay valid. On failure returns false, leaves lines unchanged and sets
  // error_line and error_message.
  bool strip_comments(std::vector<std::wstring>& lines);

 private:
  bool fail(std::size_t line_index, const std::wstring& message);
};

}  // namespace ZOR

#endif
