// Conversion between wide text and the system's ANSI code page (932 on the target systems).
#ifndef ZOR_TEXT_CODEPAGE_H
#define ZOR_TEXT_CODEPAGE_H

#include <string>

namespace ZOR {

// Converts wide text to ANSI code page bytes; stops at the first NUL; empty gives empty.
std::string to_multibyte(const std::wstring& wide);
// Converts ANSI code page bytes to wide text; stops at the first NUL byte; empty gives empty.
std::wstring from_multibyte(const std::string& bytes);
// Wide text of the first count bytes of buffer; empty when count is 0 or less.
std::wstring bytes_to_text(const char* buffer, long long count);

}  // namespace ZOR

#endif
