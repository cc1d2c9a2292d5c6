// Text, path and number helpers shared by every program (no platform services needed).
#ifndef ZOR_TEXT_TEXT_H
#define ZOR_TEXT_TEXT_H

#include <cstdint>
#include <string>

namespace ZOR {

// Paths use '\' as their only separator; "last '\'" is the last one of the whole path.

// Returns the text after the last '\', or the whole path when it has none.
std::wstring file_name_of(const std::wstring& path);
// Returns the text before the last '\' (without it), or the whole path when it has none.
std::wstring directory_of(const std::wstring& path);
// Returns the text after the last '.' of the final path element (without the dot), or empty.
std::wstring extension_of(const std::wstring& path);
// Returns the path without the '.' found by extension_of and what follows it.
std::wstring strip_extension(const std::wstring& path);

// Folds 'A'-'Z' to 'a'-'z' in place; every other character is left as it is.
void to_lower_ascii(std::wstring& text);
// Returns a copy of text folded by to_lower_ascii.
std::wstring lower_copy(const std::wstring& text);
// The same folding of bytes (UTF-8 text: only its ASCII letters change).
std::string lower_copy(const std::string& text);

// Replaces every non-overlapping occurrence of from, left to right, in place; text that a
// replacement inserted is never searched again. An empty from changes nothing.
void replace_all(std::wstring& text, const std::wstring& from, const std::wstring& to);
// Copying form of replace_all.
std::wstring replace_all_copy(const std::wstring& text, const std::wstring& from, const std::wstring& to);

// Number to text: radix 16 gives lower-case hexadecimal with "0x" (zero is "0"); any
// other radix gives plain decimal.
std::wstring int_to_text(std::int32_t value, int radix = 10);
std::wstring int64_to_text(std::int64_t value, int radix = 10);
std::wstring uint64_to_text(std::uint64_t value, int radix = 10);
// Hexadecimal form of a 32-bit value, as error texts show HRESULTs ("0x80004005").
std::wstring hex_text(std::uint32_t value);

}  // namespace ZOR

#endif
