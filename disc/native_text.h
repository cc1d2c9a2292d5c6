// The checker's lossy text conversions (iconv), beside the strict ones of layout_text.h:
// what the programs make of code page 932 bytes, and UTF-8 for the report.
#ifndef ZOR_DISC_NATIVE_TEXT_H
#define ZOR_DISC_NATIVE_TEXT_H

#include <cstddef>
#include <string>

namespace disc {

// Wide text to UTF-8 (a code point UTF-8 cannot hold becomes U+FFFD).
std::string utf8_of(const std::wstring& wide);
// Code page 932 bytes to wide text, as the programs decode a description file; a byte
// that does not decode becomes U+FFFD. False when any did not.
bool decode_cp932(const char* bytes, std::size_t count, std::wstring& wide);
// True when wide text has a code page 932 form that decodes back to the same text.
bool cp932_holds(const std::wstring& wide);
// The number of UTF-16 code units of wide text (a code point above U+FFFF counts 2).
std::size_t utf16_length(const std::wstring& wide);

}  // namespace disc

#endif
