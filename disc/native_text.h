// Text conversions of the disc tool on Linux (iconv): UTF-8 paths and output, and code
// page 932, the ANSI code page of the systems the programs run on.
#ifndef ZOR_DISC_NATIVE_TEXT_H
#define ZOR_DISC_NATIVE_TEXT_H

#include <cstddef>
#include <string>

namespace disc {

// UTF-8 to wide text; false when bytes is no valid UTF-8 (wide then holds what converted).
bool utf8_to_wide(const std::string& bytes, std::wstring& wide);
// Wide text to UTF-8 (a code point UTF-8 cannot hold becomes U+FFFD).
std::string wide_to_utf8(const std::wstring& wide);
// Code page 932 bytes to wide text, as the programs decode a description file; a byte
// that does not decode becomes U+FFFD. False when any did not.
bool cp932_to_wide(const char* bytes, std::size_t count, std::wstring& wide);
// Wide text as code page 932 bytes (what the programs and the shell read); false, with
// bytes empty, when a character has no code page 932 form.
bool wide_to_cp932(const std::wstring& wide, std::string& bytes);
// True when wide text has a code page 932 form that decodes back to the same text.
bool cp932_holds(const std::wstring& wide);
// The number of UTF-16 code units of wide text (a code point above U+FFFF counts 2).
std::size_t utf16_length(const std::wstring& wide);

}  // namespace disc

#endif
