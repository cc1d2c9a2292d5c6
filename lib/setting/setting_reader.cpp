// read_setting_lines: comment removal, blank-line skipping and first-match rule dispatch.
#include "lib/setting/setting_reader.h"

#include "lib/cmdline/text_scanner.h"
#include "lib/setting/setting_lexer.h"

#include <climits>

namespace ZOR {

namespace {

// 1-based number of the line at index, kept within the 32-bit line numbers of messages.
int line_number(std::size_t index) {
  return index < static_cast<std::size_t>(INT_MAX) ? static_cast<int>(index + 1) : INT_MAX;
}

}  // namespace

Csetting_read_result read_setting_lines(std::vector<std::wstring> lines, const std::vector<Csetting_rule>& rules,
                                        const Csetting_syntax& syntax) {
  Csetting_read_result result;
  if (syntax.remove_comments) {
    Csetting_lexer lexer;
    if (!lexer.strip_comments(lines)) {
      result.problem = Setting_problem::syntax_error;
      result.line = lexer.error_line;
      result.message = lexer.error_message;
      return result;
    }
  }
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const std::wstring& line = lines[index];
    Ctext_scanner scanner(line.data(), line.data() + line.size(), L" \t\n");
    if (scanner.at_end()) continue;
    const Csetting_rule* taken = nullptr;
    for (const Csetting_rule& rule : rules) {
      if (scan_pattern(scanner, rule.pattern, rule.outputs)) {
        taken = &rule;
        break;
      }
    }
    if (taken == nullptr) {
      if (syntax.unmatched == Unmatched_line::stop) {
        result.problem = Setting_problem::unmatched_line;
        result.line = line_number(index);
        return result;
      }
      continue;
    }
    if (taken->on_match) taken->on_match();
    if (result.matched_lines < INT_MAX) ++result.matched_lines;
    if (syntax.unmatched == Unmatched_line::skip_until_found) return result;
  }
  return result;
}

}  // namespace ZOR
