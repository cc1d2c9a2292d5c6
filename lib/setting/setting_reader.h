// The one reading loop of every description file: rules tried in order against each line.
#ifndef ZOR_SETTING_SETTING_READER_H
#define ZOR_SETTING_SETTING_READER_H

#include "lib/setting/setting_pattern.h"

#include <functional>
#include <string>
#include <vector>

namespace ZOR {

// One setting a reader knows: its pattern, where the pattern's directives store their
// values, and what to do with them once the whole pattern matched (may be empty).
struct Csetting_rule {
  std::wstring pattern;
  std::vector<Cpattern_output> outputs;
  std::function<void()> on_match;
};

// What a line that no rule matches does to the reading.
enum class Unmatched_line {
  stop,              // the file is invalid: reading stops with that line's number
  skip,              // ignored; every matching line is taken, so a later line overrides
  skip_until_found,  // ignored; reading ends at the first line that a rule matches
};

// How a reader treats a file: comment removal first or not, and unmatched lines.
struct Csetting_syntax {
  bool remove_comments;
  Unmatched_line unmatched;
};

// Why reading stopped early; none when every line was read (or the wanted line found).
enum class Setting_problem { none, open_failed, syntax_error, unmatched_line };

struct Csetting_read_result {
  Setting_problem problem = Setting_problem::none;
  // syntax_error: the comment remover's line; unmatched_line: the unmatched line (from 1).
  int line = 0;
  // syntax_error: the comment remover's message; empty otherwise.
  std::wstring message;
  // Number of lines that a rule matched.
  int matched_lines = 0;
};

// Reads lines (already loaded): removes comments when syntax asks for it, then walks the
// lines from the first, skips blank ones (only spaces, tabs, line feeds), tries the rules
// in order on each other line and takes the first that matches (its outputs, then its
// on_match). Returns what stopped the reading, if anything.
Csetting_read_result read_setting_lines(std::vector<std::wstring> lines, const std::vector<Csetting_rule>& rules,
                                        const Csetting_syntax& syntax);

}  // namespace ZOR

#endif
