// Text as the disc tool meets it on Linux: file names in UTF-8, description files and the
// autorun entry in code page 932 (what a Japanese Windows reads), the core's wide strings.
#ifndef ZOR_DISC_LAYOUT_TEXT_H
#define ZOR_DISC_LAYOUT_TEXT_H

#include <string>

namespace disc {

// Converts between the core's wide text and UTF-8 or code page 932 bytes. False when a
// character has no place in the target (or the bytes are not valid in the source).
bool utf8_to_wide(const std::string& utf8, std::wstring& wide);
bool wide_to_utf8(const std::wstring& wide, std::string& utf8);
bool cp932_to_wide(const std::string& bytes, std::wstring& wide);
bool wide_to_cp932(const std::wstring& wide, std::string& bytes);

}  // namespace disc

#endif
