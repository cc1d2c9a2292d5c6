// A read cursor over wide text: the tokenizer under the command-line parser and the
// setting-pattern matcher. Every read is all-or-nothing: on failure the cursor stays put.
#ifndef ZOR_CMDLINE_TEXT_SCANNER_H
#define ZOR_CMDLINE_TEXT_SCANNER_H

#include <cstdint>
#include <string>

namespace ZOR {

class Ctext_scanner {
 public:
  // Scans [begin, end) of a text the caller owns and keeps alive; separators are the
  // characters that count as white space.
  Ctext_scanner(const wchar_t* begin, const wchar_t* end, const std::wstring& separators);

  const wchar_t* cur;
  const wchar_t* end;
  std::wstring separators;

  // Moves over separators; true when text remains after them.
  bool skip_separators();
  // Skips separators and requires text after them; when none remains the skip is undone.
  bool skip_and_require_more();
  // True when nothing but separators remains (and then consumes them); else moves nothing.
  bool at_end();
  // After separators, consumes c when it is the next character.
  bool match_char(wchar_t c);
  // Consumes c when it is the very next character (no separators skipped).
  bool match_char_exact(wchar_t c);
  // After separators, reads any one character.
  bool read_char(wchar_t& out);
  // After separators, reads [A-Za-z_][A-Za-z0-9_]*.
  bool read_word(std::wstring& out);
  // After separators, reads decimal digits (no range check: the value wraps).
  bool read_unsigned(std::uint32_t& out);
  bool read_unsigned(std::uint64_t& out);
  // An optional '+' or '-' (each after separators), then read_unsigned; gives sign * value.
  bool read_signed(std::int32_t& out);
  bool read_signed(std::int64_t& out);
  // After separators, reads "..." where escape makes the next character literal (and is
  // dropped); fails when the text ends before the closing quote.
  bool read_quoted(wchar_t escape, std::wstring& out);
  // True when the text at cur starts with text; consumes it when consume is set.
  bool match_literal(const std::wstring& text, bool consume = true);

 private:
  bool is_separator(wchar_t c) const;
  bool read_digits(std::uint64_t& out);
};

}  // namespace ZOR

#endif
