// Setting patterns such as "#SETUP_FILE = %s, %d" matched against one description-file line.
#ifndef ZOR_SETTING_SETTING_PATTERN_H
#define ZOR_SETTING_SETTING_PATTERN_H

#include "lib/cmdline/text_scanner.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ZOR {

// One output of a pattern directive: a text for %s, a 32-bit number for %d, a 64-bit
// number for %64d. It points at storage the caller owns and keeps alive.
class Cpattern_output {
 public:
  enum class Kind { text, number, large };

  Cpattern_output(std::wstring* text) : kind(Kind::text), text_(text) {}
  Cpattern_output(std::int32_t* number) : kind(Kind::number), number_(number) {}
  Cpattern_output(std::int64_t* large) : kind(Kind::large), large_(large) {}

  Kind kind;
  std::wstring* text() const { return kind == Kind::text ? text_ : nullptr; }
  std::int32_t* number() const { return kind == Kind::number ? number_ : nullptr; }
  std::int64_t* large() const { return kind == Kind::large ? large_ : nullptr; }

 private:
  std::wstring* text_ = nullptr;
  std::int32_t* number_ = nullptr;
  std::int64_t* large_ = nullptr;
};

// Matches pattern at the scanner's position (a scanner over one line whose separators are
// " \t\n"). A pattern space stands for optional white space after which the line must go
// on; %s reads a double-quoted text ('\' escapes the next character), %d and %64d an
// optional sign and decimal digits, each after optional white space, into the next output
// in order; every other pattern character must be the next line character exactly. Text
// after the pattern's end is ignored; the empty pattern always matches.
// Returns true on a match. On failure the scanner is back where it was; outputs filled by
// earlier directives keep their values. A directive without an output of its kind fails.
bool scan_pattern(Ctext_scanner& scanner, const std::wstring& pattern,
                  const std::vector<Cpattern_output>& outputs = {});

}  // namespace ZOR

#endif
