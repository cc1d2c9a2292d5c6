// scan_pattern: the pattern is walked character by character over a Ctext_scanner.
#include "lib/setting/setting_pattern.h"

namespace ZOR {

namespace {

// Reads one directive's value into output; false when the line does not hold one.
bool read_directive(Ctext_scanner& scanner, Cpattern_output::Kind kind, const Cpattern_output* output) {
  if (output == nullptr || output->kind != kind) return false;
  switch (kind) {
    case Cpattern_output::Kind::text:
      return scanner.read_quoted(L'\\', *output->text());
    case Cpattern_output::Kind::number:
      return scanner.read_signed(*output->number());
    case Cpattern_output::Kind::large:
      return scanner.read_signed(*output->large());
  }
  return false;
}

// The directive that starts at pattern[at] ('%'), with its length; false when none does.
bool directive_at(const std::wstring& pattern, std::size_t at, Cpattern_output::Kind& kind, std::size_t& length) {
  if (pattern.compare(at, 2, L"%s") == 0) {
    kind = Cpattern_output::Kind::text;
    length = 2;
  } else if (pattern.compare(at, 2, L"%d") == 0) {
    kind = Cpattern_output::Kind::number;
    length = 2;
  } else if (pattern.compare(at, 4, L"%64d") == 0) {
    kind = Cpattern_output::Kind::large;
    length = 4;
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool scan_pattern(Ctext_scanner& scanner, const std::wstring& pattern, const std::vector<Cpattern_output>& outputs) {
  const wchar_t* start = scanner.cur;
  std::size_t next_output = 0;
  std::size_t at = 0;
  while (at < pattern.size()) {
    const wchar_t p = pattern[at];
    Cpattern_output::Kind kind = Cpattern_output::Kind::text;
    std::size_t length = 1;
    bool matched;
    if (p == L' ') {
      matched = scanner.skip_and_require_more();
    } else if (p == L'%' && directive_at(pattern, at, kind, length)) {
      const Cpattern_output* output = next_output < outputs.size() ? &outputs[next_output] : nullptr;
      ++next_output;
      matched = read_directive(scanner, kind, output);
    } else {
      matched = scanner.match_char_exact(p);
    }
    if (!matched) {
      scanner.cur = start;
      return false;
    }
    at += length;
  }
  return true;
}

}  // namespace ZOR
