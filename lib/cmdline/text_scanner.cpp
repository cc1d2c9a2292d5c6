// Ctext_scanner: separator skipping and the all-or-nothing token reads.
#include "lib/cmdline/text_scanner.h"

namespace ZOR {

namespace {
bool is_word_start(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_'; }
bool is_digit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool is_word_char(wchar_t c) { return is_word_start(c) || is_digit(c); }
}  // namespace

Ctext_scanner::Ctext_scanner(const wchar_t* begin, const wchar_t* end_, const std::wstring& separators_)
    : cur(begin), end(end_), separators(separators_) {}

bool Ctext_scanner::is_separator(wchar_t c) const { return separators.find(c) != std::wstring::npos; }

bool Ctext_scanner::skip_separators() {
  while (cur < end && is_separator(*cur)) ++cur;
  return cur < end;
}

bool Ctext_scanner::skip_and_require_more() {
  const wchar_t* start = cur;
  if (skip_separators()) return true;
  cur = start;
  return false;
}

bool Ctext_scanner::at_end() {
  const wchar_t* start = cur;
  if (!skip_separators()) return true;
  cur = start;
  return false;
}

bool Ctext_scanner::match_char(wchar_t c) {
  const wchar_t* start = cur;
  if (skip_separators() && *cur == c) {
    ++cur;
    return true;
  }
  cur = start;
  return false;
}

bool Ctext_scanner::match_char_exact(wchar_t c) {
  if (cur < end && *cur == c) {
    ++cur;
    return true;
  }
  return false;
}

bool Ctext_scanner::read_char(wchar_t& out) {
  const wchar_t* start = cur;
  if (!skip_separators()) {
    cur = start;
    return false;
  }
  out = *cur++;
  return true;
}

bool Ctext_scanner::read_word(std::wstring& out) {
  const wchar_t* start = cur;
  if (!skip_separators() || !is_word_start(*cur)) {
    cur = start;
    return false;
  }
  const wchar_t* word = cur;
  while (cur < end && is_word_char(*cur)) ++cur;
  out.assign(word, cur);
  return true;
}

bool Ctext_scanner::read_digits(std::uint64_t& out) {
  const wchar_t* start = cur;
  if (!skip_separators() || !is_digit(*cur)) {
    cur = start;
    return false;
  }
  std::uint64_t value = 0;
  while (cur < end && is_digit(*cur)) value = value * 10u + static_cast<unsigned>(*cur++ - L'0');
  out = value;
  return true;
}

bool Ctext_scanner::read_unsigned(std::uint64_t& out) { return read_digits(out); }

bool Ctext_scanner::read_unsigned(std::uint32_t& out) {
  std::uint64_t value;
  if (!read_digits(value)) return false;
  out = static_cast<std::uint32_t>(value);  // wraps like 32-bit accumulation would
  return true;
}

bool Ctext_scanner::read_signed(std::int64_t& out) {
  const wchar_t* start = cur;
  bool negative = false;
  if (!match_char(L'+')) negative = match_char(L'-');
  std::uint64_t value;
  if (!read_digits(value)) {
    cur = start;
    return false;
  }
  // Unsigned arithmetic: overflowing input wraps instead of being undefined.
  out = static_cast<std::int64_t>(negative ? 0 - value : value);
  return true;
}

bool Ctext_scanner::read_signed(std::int32_t& out) {
  std::int64_t value;
  if (!read_signed(value)) return false;
  out = static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
  return true;
}

bool Ctext_scanner::read_quoted(wchar_t escape, std::wstring& out) {
  const wchar_t* start = cur;
  if (!skip_separators() || *cur != L'"') {
    cur = start;
    return false;
  }
  ++cur;
  std::wstring value;
  while (cur < end) {
    wchar_t c = *cur++;
    if (c == L'"') {
      out = value;
      return true;
    }
    if (c == escape) {
      if (cur >= end) break;
      c = *cur++;
    }
    value += c;
  }
  cur = start;
  return false;
}

bool Ctext_scanner::match_literal(const std::wstring& text, bool consume) {
  if (static_cast<size_t>(end - cur) < text.size()) return false;
  if (text.compare(0, text.size(), cur, text.size()) != 0) return false;
  if (consume) cur += text.size();
  return true;
}

}  // namespace ZOR
