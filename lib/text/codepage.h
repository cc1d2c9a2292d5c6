// Conversion between wide text and the system's ANSI code page (932 on the target systems).
// Windows only (codepage_win.cpp): the core does not convert.
#ifndef ZOR_TEXT_CODEPAGE_H
#define ZOR_TEXT_CODEPAGE_H

#include <cstddef>
#include <string>

namespace ZOR {

// Converts wide text to ANSI code page bytes; stops at the first NUL; empty gives empty.
std::string to_multibyte(const std::wstring& wide);
// Converts ANSI code page bytes to wide text; stops at the first NUL byte; empty gives empty.
std::wstring from_multibyte(const std::string& bytes);
// Wide text of the first count bytes of buffer; empty when count is 0 or less.
std::wstring bytes_to_text(const char* buffer, long long count);
// Converts all count bytes of buffer, NUL bytes included (each becomes L'\0'), so that a
// stray NUL in a log cannot swallow the text after it; empty when count is 0.
std::wstring multibyte_span_to_text(const char* buffer, std::size_t count);
// Whether byte starts a double-byte character of the ANSI code page (IsDBCSLeadByte).
bool is_ansi_lead_byte(unsigned char byte);

}  // namespace ZOR

#endif
